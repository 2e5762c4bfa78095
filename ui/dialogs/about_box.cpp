// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/about_box.h"

#include "ui/desktop/app_style.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/jpeg_decoder.h"
#include "ui/desktop/screen_placement.h"
#include "ui/object_names.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/wallpaper_panel.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace volcalc::ui {

namespace {

const QString kHomePage = QStringLiteral("https://orlisk.example/volume-calculator");
const QString kSupportAddress = QStringLiteral("support@orlisk.example");
const QString kVoteText = QStringLiteral("Send vote about program ");

QFont BoxFont(int pixelSize, bool bold = false) {
    QFont font = WindowFont(bold);
    font.setPixelSize(pixelSize);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

// Labels are sized to their text like the designer's auto-sized labels: a text wider than the
// given box widens it, to the right, or on both sides when the text is centred.
template <typename Label>
Label* MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, QRect box,
                 Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    const int needed = label->sizeHint().width();
    if (needed > box.width()) {
        if (alignment & Qt::AlignHCenter) {
            box.moveLeft(box.left() - (needed - box.width()) / 2);
        }
        box.setWidth(needed);
    }
    label->setGeometry(box);
    return label;
}

QImage LoadWallpaper() {
    QFile file(QStringLiteral(":/pictures/wallpaper"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeJpeg(file.readAll());
}

// A link is underlined while the pointer is over it, plain otherwise.
void ShowAsLink(QLabel* label, bool underlined) {
    QFont font = label->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(underlined);
    label->setFont(font);
}

// The shell opens a link with the application itself as owner; the About box stays open and
// nothing is reported whatever the shell does.
void OpenLink(const QString& target) {
    Desktop().ShellOpen(nullptr, target);
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    InstallAccessibleInterfaces();
    setObjectName(QString::fromLatin1(names::about::Box));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(467, 228);
    setFont(WindowFont());
    setPalette(SilverPalette());

    m_wallpaper = new WallpaperPanel(this);
    m_wallpaper->setObjectName(QString::fromLatin1(names::about::Wallpaper));
    m_wallpaper->setGeometry(0, 0, 467, 228);

    m_programPicture = new QLabel(m_wallpaper);
    m_programPicture->setObjectName(QString::fromLatin1(names::about::ProgramPicture));
    m_programPicture->setGeometry(24, 16, 70, 70);
    m_programPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* const title =
        MakeLabel<QLabel>(m_wallpaper, names::about::Title, QString::fromLatin1(ProgramCaption), BoxFont(24),
                          {128, 16, 287, 29}, Qt::AlignHCenter);
    SetTextColour(title, QColor(0, 0, 128));
    MakeLabel<QLabel>(m_wallpaper, names::about::Copyright,
                      QStringLiteral("Copyright \u00a9 Orlisk. All rights reserved."), BoxFont(13),
                      {125, 59, 320, 16}, Qt::AlignHCenter);
    MakeLabel<QLabel>(m_wallpaper, names::about::HomePageLabel, QStringLiteral("Home Page:"),
                      BoxFont(13, true), {125, 95, 87, 16});
    m_homePageLink = MakeLabel<LinkLabel>(m_wallpaper, names::about::HomePageLink, kHomePage, BoxFont(13),
                                          {224, 95, 165, 16});
    MakeLabel<QLabel>(m_wallpaper, names::about::MailLabel, QStringLiteral("E-mail:"), BoxFont(13, true),
                      {126, 136, 49, 16});
    m_supportMailLink = MakeLabel<LinkLabel>(m_wallpaper, names::about::MailLink, kSupportAddress,
                                             BoxFont(13), {228, 136, 162, 16});
    m_supportMailLink->setToolTip(QStringLiteral("mailto: ") + kSupportAddress);

    m_envelopePicture = new QLabel(m_wallpaper);
    m_envelopePicture->setObjectName(QString::fromLatin1(names::about::Envelope));
    m_envelopePicture->setGeometry(32, 185, 33, 33);
    m_envelopePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_voteLink =
        MakeLabel<LinkLabel>(m_wallpaper, names::about::VoteLink, kVoteText, BoxFont(13), {76, 194, 155, 16});
    m_voteLink->setToolTip(kVoteText);

    for (LinkLabel* link : {m_homePageLink, m_supportMailLink, m_voteLink}) {
        SetTextColour(link, QColor(0, 0, 255));
    }

    // The links stay out of the keyboard order, where OK is the only stop: a key opens each, named
    // after the text beside it (Home Page, E-mail) or its own (Vote).
    SetAccessibleText(m_homePageLink, {}, QStringLiteral("Opens the home page in the web browser"));
    SetAccessibleText(m_supportMailLink, {}, QStringLiteral("Writes a mail to support"));
    SetAccessibleText(m_voteLink, kVoteText.trimmed(),
                      QStringLiteral("Writes a mail with a vote about the program"));
    SetPressKey(m_homePageLink, QKeySequence(Qt::ALT | Qt::Key_H));
    SetPressKey(m_supportMailLink, QKeySequence(Qt::ALT | Qt::Key_E));
    SetPressKey(m_voteLink, QKeySequence(Qt::ALT | Qt::Key_V));
    SetAccessibleText(m_programPicture, QStringLiteral("Program picture"),
                      QStringLiteral("A yellow disc, a cone and two squares"));
    SetAccessibleText(m_envelopePicture, QStringLiteral("Envelope"));

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QString::fromLatin1(names::about::OkButton));
    m_okButton->setGeometry(367, 188, 75, 25);
    m_okButton->setDefault(true);
    m_okButton->raise();
    m_okButton->setFocus();

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_homePageLink, &LinkLabel::Clicked, this, &AboutBox::homePageClicked);
    connect(m_supportMailLink, &LinkLabel::Clicked, this, &AboutBox::supportMailClicked);
    connect(m_voteLink, &LinkLabel::Clicked, this, &AboutBox::voteClicked);
    // A link is underlined while the pointer is over it.
    for (LinkLabel* link : {m_homePageLink, m_supportMailLink, m_voteLink}) {
        connect(link, &LinkLabel::MouseEnter, this, [link] { ShowAsLink(link, true); });
        connect(link, &LinkLabel::MouseLeave, this, [link] { ShowAsLink(link, false); });
    }
}

void AboutBox::homePageClicked() {
    OpenLink(m_homePageLink->text());
}

void AboutBox::supportMailClicked() {
    OpenLink(QStringLiteral("mailto:") + m_supportMailLink->text() +
             QStringLiteral("?subject=Information request"));
}

void AboutBox::voteClicked() {
    OpenLink(QStringLiteral("mailto:") + m_supportMailLink->text() +
             QStringLiteral("?subject=Vote about Orlisk Volume Calculator&body=Hi!"));
}

void AboutBox::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        LoadPictures();
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
}

// The pictures are decoded when the box is first shown, not while the program starts.
void AboutBox::LoadPictures() {
    m_wallpaper->SetWallpaper(LoadWallpaper());
    m_programPicture->setPixmap(QPixmap(QStringLiteral(":/pictures/program_picture")));
    m_envelopePicture->setPixmap(QPixmap(QStringLiteral(":/pictures/envelope")));
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace volcalc::ui
