#include "help/frm_About.h"

#include "app/PlatformServices.h"
#include "app/VendorSite.h"
#include "help/LinkLabel.h"
#include "help/VersionReply.h"
#include "widgets/AppIcons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Side of the product icon, in logical pixels.
constexpr int kIconSide = 72;

QLabel *textLabel(
    const QString &text, const char *name, qreal fontScale, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * fontScale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

// The web link's text: the address without its scheme, as people read it.
QString displayText(const QUrl &url)
{
    return url.host() + url.path();
}

} // namespace

frm_About::frm_About(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(QStringLiteral("About Tintwright"));
    buildUi();
}

void frm_About::ShowModal(QWidget *owner)
{
    frm_About window(owner);
    window.exec();
}

void frm_About::buildUi()
{
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    const qreal ratio = parentWidget() ? parentWidget()->devicePixelRatioF() : devicePixelRatioF();
    icon->setPixmap(AppIcons::icon(AppIcons::Kind::App).pixmap(QSize(kIconSide, kIconSide), ratio));
    icon->setAlignment(Qt::AlignTop);

    auto *text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(textLabel(QStringLiteral("Tintwright"), "lblProductName", 1.8, true, this));
    text->addWidget(textLabel(QStringLiteral("Professional Color Matching Software"),
        "lblDescription", 1.1, false, this));
    text->addWidget(textLabel(QStringLiteral("Version: %1").arg(VersionReply::runningText()),
        "lblVersion", 1.0, false, this));
    text->addSpacing(14);
    text->addLayout(buildLinks());
    text->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QDialogButtonBox(this);
    m_cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->setContentsMargins(20, 20, 20, 14);
    root->setSpacing(14);
    root->addLayout(top);
    root->addWidget(rule);
    root->addWidget(buttons);
    m_cmdOK->setFocus();
}

QLayout *frm_About::buildLinks()
{
    const QUrl mail = VendorSite::contactMailUrl();
    m_lblEMail = new LinkLabel(VendorSite::contactAddress(), this);
    m_lblEMail->setObjectName(QStringLiteral("lblEMail"));
    m_lblEMail->setAccessibleDescription(QStringLiteral("Writes an e-mail to the Tintwright team"));
    connect(
        m_lblEMail, &LinkLabel::clicked, this, [mail] { PlatformServices::get().openUrl(mail); });

    const QUrl web = VendorSite::url(QStringLiteral("/support.php"));
    m_lblWebLink = new LinkLabel(displayText(web), this);
    m_lblWebLink->setObjectName(QStringLiteral("lblWebLink"));
    m_lblWebLink->setAccessibleDescription(
        QStringLiteral("Opens the Tintwright support page in the web browser"));
    connect(
        m_lblWebLink, &LinkLabel::clicked, this, [web] { PlatformServices::get().openUrl(web); });

    auto *links = new QFormLayout;
    links->setContentsMargins(0, 0, 0, 0);
    links->setHorizontalSpacing(10);
    links->setVerticalSpacing(2);
    links->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    links->addRow(QStringLiteral("E-mail:"), m_lblEMail);
    links->addRow(QStringLiteral("Web:"), m_lblWebLink);
    return links;
}
