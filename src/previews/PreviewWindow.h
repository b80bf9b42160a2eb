#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/AppIcons.h"

#include <QWidget>

class PreviewHost;
class QAction;
class QToolBar;

// What the three preview windows share: their host, their frame in the
// document area, their place in twips (which the workspace records), their
// toolbar buttons and the colour context menu.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // The window's left and top edges inside the document area, in twips.
    float Left() const;
    float Top() const;
    void Move(float left, float top);

    // What the user moves and sizes: the document-area sub-window, or the
    // window itself when it stands alone (as tests build it).
    QWidget *frame() const;

protected:
    // `host` may be null: then there is no context menu.
    PreviewWindow(PreviewHost *host, QWidget *parent);

    PreviewHost *host() const { return m_host; }
    bool frameMinimized() const;
    // True while this is the active window of its document area (always
    // when it stands alone).
    bool isActivePreview() const;

    // A toolbar of 16-pixel buttons, `height` pixels high.
    QToolBar *createToolBar(const QString &name, int height);
    // A button whose object name is `key`; `tip` empty leaves the text.
    QAction *addButton(QToolBar *bar, const QString &key, AppIcons::Kind icon, const QString &text,
        const QString &tip = {});

    // The shared colour context menu for `color`.
    void showContextMenu(ColorValue color, const QPoint &globalPos);

private:
    PreviewHost *m_host;
};
