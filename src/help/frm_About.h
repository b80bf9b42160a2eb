#pragma once

#include <QDialog>

class LinkLabel;
class QPushButton;

// "About Tintwright": the product name, its line, the version, and links to
// the vendor's contact address and support page, which open in the user's
// mail program and web browser.
class frm_About : public QDialog {
    Q_OBJECT

public:
    explicit frm_About(QWidget *owner = nullptr);

    // Help > About: shows the window and returns when it is closed.
    static void ShowModal(QWidget *owner);

private:
    void buildUi();
    QLayout *buildLinks();

    LinkLabel *m_lblEMail = nullptr;
    LinkLabel *m_lblWebLink = nullptr;
    QPushButton *m_cmdOK = nullptr;
};
