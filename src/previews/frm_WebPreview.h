#pragma once

#include "previews/PreviewWindow.h"
#include "previews/WebPreviewModel.h"

#include <array>

class ColorTarget;
class QToolBar;

// "Web Page Preview": a small sample page (title bar, a column of five
// links, a content panel) whose 17 parts each take a dropped colour. A thin
// window over a WebPreviewModel; its colours come from the settings when it
// opens and go back there when it closes.
class frm_WebPreview : public PreviewWindow {
    Q_OBJECT

public:
    explicit frm_WebPreview(PreviewHost *host, QWidget *parent = nullptr);

    WebPreviewModel &model() { return m_model; }
    const WebPreviewModel &model() const { return m_model; }

    // Opening: the placement and the colours of the last preview closed.
    void Form_Load();

    // What the workspace reads: box k's background, label k's text colour
    // (k = 0..7) and the page colour.
    ColorValue boxColor(int k) const { return m_model.color(WebPreviewModel::box(k)); }
    ColorValue labelColor(int k) const { return m_model.color(WebPreviewModel::label(k)); }
    ColorValue pageColor() const { return m_model.color(WebPreviewModel::kPage); }

    // The toolbar's commands; Undo and Redo beep when there is nothing to take.
    void Undo();
    void Redo();
    void Reset();
    // Asks for a file name and writes the page as HTML, replacing any file.
    void SaveAsHtml();

    ColorTarget *target(int target) const { return m_targets.at(target); }
    QToolBar *toolBar() const { return m_tbrWeb; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolBar();
    void buildPage();
    void tbrWeb_ButtonClick(const QString &key);

    WebPreviewModel m_model;
    std::array<ColorTarget *, WebPreviewModel::kTargets> m_targets {};
    QToolBar *m_tbrWeb = nullptr;
};
