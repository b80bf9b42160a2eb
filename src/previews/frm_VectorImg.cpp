#include "previews/frm_VectorImg.h"

#include "app/PlatformServices.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "previews/PictureFile.h"
#include "previews/VectorCanvas.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

frm_VectorImg::frm_VectorImg(PreviewHost *host, QWidget *parent) : PreviewWindow(host, parent)
{
    setObjectName(QStringLiteral("frm_VectorImg"));
    setWindowTitle(QStringLiteral("Vector Image Preview"));
    setWindowIcon(AppIcons::icon(AppIcons::Kind::VectorPreview));
    buildToolBar();
    m_pCanvas = new VectorCanvas(m_model);
    m_pCanvas->resize(m_model.canvasSize());
    m_scrollArea = new QScrollArea;
    m_scrollArea->setObjectName(QStringLiteral("canvasArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidget(m_pCanvas);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tbrWeb);
    layout->addWidget(m_scrollArea, 1);
    // The design's client area: 3120 x 4920 twips.
    resize(twipsToPixels(3120, this), twipsToPixels(4920, this));

    connect(&m_model, &VectorImageModel::pictureChanged, m_pCanvas, qOverload<>(&QWidget::update));
    connect(m_pCanvas, &VectorCanvas::colorDropped, this,
        [this](ColorValue color, const QPointF &point) { m_model.dropAt(point, color); });
    connect(m_pCanvas, &VectorCanvas::contextMenuRequested, this,
        [this](const QPointF &point, const QPoint &globalPos) {
            showContextMenu(m_model.colorAt(point), globalPos);
        });
}

void frm_VectorImg::buildToolBar()
{
    m_tbrWeb = createToolBar(QStringLiteral("tbrWeb"), twipsToPixels(360, this));
    struct Button {
        const char *key; // nullptr: a separator
        AppIcons::Kind icon;
        const char *text;
        const char *tip;
    };
    const Button buttons[] = {
        { "Open", AppIcons::Kind::OpenPalette, "Load picture", "Load picture..." },
        { "Reset", AppIcons::Kind::ResetColors, "Reset", "Rest" },
        { nullptr, AppIcons::Kind::App, nullptr, nullptr },
        { "Undo", AppIcons::Kind::Undo, "Undo", "Undo" },
        { "Redo", AppIcons::Kind::Redo, "Redo", "Redo" },
        { nullptr, AppIcons::Kind::App, nullptr, nullptr },
        { "ZoomIn", AppIcons::Kind::ZoomIn, "Zoom In", "Zoom In" },
        { "ZoomOut", AppIcons::Kind::ZoomOut, "Zoom Out", "Zoom Out" },
    };
    for (const Button &button : buttons) {
        if (!button.key) {
            m_tbrWeb->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.key);
        QAction *action = addButton(m_tbrWeb, key, button.icon, QString::fromLatin1(button.text),
            QString::fromLatin1(button.tip));
        connect(action, &QAction::triggered, this, [this, key] { tbrWeb_ButtonClick(key); });
        if (key == QLatin1String("Undo"))
            m_undo = action;
        else if (key == QLatin1String("Redo"))
            m_redo = action;
    }
}

void frm_VectorImg::Form_Load()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QRect rect = GetSettingRect(SettingsKeys::ImageWindowRect, this);
    frame()->move(rect.topLeft());
    frame()->resize(rect.size());
    bool ok = false;
    const double zoom = GetSetting(SettingsKeys::ImageZoom).toDouble(&ok);
    m_model.setZoom(ok ? zoom : VectorImageModel::kMinZoom);
    showCanvas();
    QApplication::restoreOverrideCursor();
}

void frm_VectorImg::closeEvent(QCloseEvent *event)
{
    // A minimised window stores nothing: its place is its icon's.
    if (!frameMinimized()) {
        SaveSettingRect(SettingsKeys::ImageWindowRect, frame()->geometry(), this);
        SaveSetting(SettingsKeys::ImageZoom, QString::number(m_model.zoom()));
    }
    event->accept();
}

void frm_VectorImg::tbrWeb_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Open"))
        OpenPicture();
    else if (key == QLatin1String("Reset"))
        Reset();
    else if (key == QLatin1String("Undo"))
        Undo();
    else if (key == QLatin1String("Redo"))
        Redo();
    else if (key == QLatin1String("ZoomIn"))
        ZoomIn();
    else if (key == QLatin1String("ZoomOut"))
        ZoomOut();
}

void frm_VectorImg::showCanvas()
{
    m_pCanvas->resize(m_model.canvasSize());
    m_pCanvas->update();
}

void frm_VectorImg::Reset()
{
    m_model.Reset();
}

void frm_VectorImg::Undo()
{
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    m_model.Undo();
    m_undo->setEnabled(true);
    m_redo->setEnabled(true);
}

void frm_VectorImg::Redo()
{
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    m_model.Redo();
    m_undo->setEnabled(true);
    m_redo->setEnabled(true);
}

void frm_VectorImg::ZoomIn()
{
    zoomBy(VectorImageModel::kZoomStep);
}

void frm_VectorImg::ZoomOut()
{
    zoomBy(-VectorImageModel::kZoomStep);
}

void frm_VectorImg::zoomBy(double step)
{
    m_model.setZoom(m_model.zoom() + step);
    try {
        showCanvas();
        fitWindowToCanvas();
    } catch (const std::exception &error) {
        PlatformServices::get().messageBox(this,
            QStringLiteral("Error: ") + QString::fromLocal8Bit(error.what()),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
    }
}

void frm_VectorImg::fitWindowToCanvas()
{
    // The frame around the canvas (borders, title, toolbar) stays as it is;
    // the window grows or shrinks by what the canvas did, but never beyond
    // the document area it lives in.
    QWidget *outer = frame();
    layout()->activate();
    const QSize chrome = outer->size() - m_scrollArea->size();
    QSize wanted = m_model.canvasSize() + chrome;
    wanted = wanted.expandedTo(outer->minimumSizeHint());
    if (outer != this && outer->parentWidget())
        wanted = wanted.boundedTo(outer->parentWidget()->size() - QSize(outer->x(), outer->y()));
    outer->resize(wanted);
}

void frm_VectorImg::OpenPicture()
{
    PlatformServices::FileDialogRequest request;
    request.title = QStringLiteral("Load picture");
    request.filters = QStringList { PictureFile::filter(), QStringLiteral("All Files (*.*)") };
    const QString path = PlatformServices::get().fileDialog(window(), request).trimmed();
    if (path.isEmpty())
        return;
    QFile file(path);
    PictureFile::Result result;
    if (!file.open(QIODevice::ReadOnly))
        result.error = file.errorString();
    else
        result = PictureFile::read(&file);
    if (result.image.isNull()) {
        PlatformServices::get().messageBox(this,
            QStringLiteral("%1 cannot be opened.\n%2")
                .arg(QFileInfo(path).fileName(), result.error),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Exclamation);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model.setOpeningPicture(result.image);
    showCanvas();
    fitWindowToCanvas();
    QApplication::restoreOverrideCursor();
}
