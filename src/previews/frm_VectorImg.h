#pragma once

#include "previews/PreviewWindow.h"
#include "previews/VectorImageModel.h"

class QAction;
class QScrollArea;
class QToolBar;
class VectorCanvas;

// "Vector Image Preview": a line drawing, like a page of a colouring book,
// whose regions take dropped colours by flood fill; fills can be stepped
// back and forth and the picture zoomed. A thin window over a
// VectorImageModel. The place, size and zoom of the last preview closed
// are those of the next one opened.
class frm_VectorImg : public PreviewWindow {
    Q_OBJECT

public:
    explicit frm_VectorImg(PreviewHost *host, QWidget *parent = nullptr);

    VectorImageModel &model() { return m_model; }

    // Opening: place, size and zoom from the settings.
    void Form_Load();

    // The toolbar's commands.
    void OpenPicture(); // asks for a picture file and makes it the opening picture
    void Reset();
    void Undo();
    void Redo();
    void ZoomIn();
    void ZoomOut();

    VectorCanvas *canvas() const { return m_pCanvas; }
    QToolBar *toolBar() const { return m_tbrWeb; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolBar();
    void tbrWeb_ButtonClick(const QString &key);
    // Applies the zoom to the canvas and fits the window around it.
    void zoomBy(double step);
    void fitWindowToCanvas();
    void showCanvas();

    VectorImageModel m_model;
    QToolBar *m_tbrWeb = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    VectorCanvas *m_pCanvas = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
