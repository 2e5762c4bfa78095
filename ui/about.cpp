#include "ui/about.h"

#include "ui/accessibility.h"
#include "ui/app_style.h"
#include "ui/desktop_services.h"
#include "ui/jpeg_decoder.h"
#include "ui/link_label.h"
#include "ui/screen_placement.h"
#include "ui/wallpaper_panel.h"

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

void Underline(QLabel* label) {
    QFont font = label->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(true);
    label->setFont(font);
}

void Plain(QLabel* label) {
    QFont font = label->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(false);
    label->setFont(font);
}

// The shell opens a link with the application itself as owner; the About box stays open and
// nothing is reported whatever the shell does.
void OpenLink(const QString& target) {
    Desktop().ShellOpen(nullptr, QStringLiteral("Open"), target);
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(467, 228);
    setFont(WindowFont());
    setPalette(SilverPalette());

    SpeedBar1 = new WallpaperPanel(this);
    SpeedBar1->setObjectName(QStringLiteral("SpeedBar1"));
    SpeedBar1->setGeometry(0, 0, 467, 228);

    ProgramIcon = new QLabel(SpeedBar1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(24, 16, 70, 70);
    ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label17 = MakeLabel<QLabel>(SpeedBar1, "Label17", QStringLiteral("Orlisk Volume Calculator 4.1"),
                                BoxFont(24), {128, 16, 287, 29}, Qt::AlignHCenter);
    SetTextColour(Label17, QColor(0, 0, 128));
    Label20 = MakeLabel<QLabel>(SpeedBar1, "Label20",
                                QStringLiteral("Copyright \u00a9 Orlisk. All rights reserved."), BoxFont(13),
                                {125, 59, 320, 16}, Qt::AlignHCenter);
    Label23 = MakeLabel<QLabel>(SpeedBar1, "Label23", QStringLiteral("Home Page:"), BoxFont(13, true),
                                {125, 95, 87, 16});
    Label24 = MakeLabel<LinkLabel>(SpeedBar1, "Label24", kHomePage, BoxFont(13), {224, 95, 165, 16});
    Label4 = MakeLabel<QLabel>(SpeedBar1, "Label4", QStringLiteral("E-mail:"), BoxFont(13, true),
                               {126, 136, 49, 16});
    Label26 = MakeLabel<LinkLabel>(SpeedBar1, "Label26", kSupportAddress, BoxFont(13), {228, 136, 162, 16});
    Label26->setToolTip(QStringLiteral("mailto: ") + kSupportAddress);

    Image1 = new QLabel(SpeedBar1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(32, 185, 33, 33);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label14 = MakeLabel<LinkLabel>(SpeedBar1, "Label14", kVoteText, BoxFont(13), {76, 194, 155, 16});
    Label14->setToolTip(kVoteText);

    for (LinkLabel* link : {Label24, Label26, Label14}) {
        SetTextColour(link, QColor(0, 0, 255));
    }

    // The links stay out of the keyboard order, where OK is the only stop: a key opens each, named
    // after the text beside it (Home Page, E-mail) or its own (Vote).
    SetAccessibleText(Label24, {}, QStringLiteral("Opens the home page in the web browser"));
    SetAccessibleText(Label26, {}, QStringLiteral("Writes a mail to support"));
    SetAccessibleText(Label14, kVoteText.trimmed(),
                      QStringLiteral("Writes a mail with a vote about the program"));
    SetPressKey(Label24, QKeySequence(Qt::ALT | Qt::Key_H));
    SetPressKey(Label26, QKeySequence(Qt::ALT | Qt::Key_E));
    SetPressKey(Label14, QKeySequence(Qt::ALT | Qt::Key_V));
    SetAccessibleText(ProgramIcon, QStringLiteral("Program picture"),
                      QStringLiteral("A yellow disc, a cone and two squares"));
    SetAccessibleText(Image1, QStringLiteral("Envelope"));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(367, 188, 75, 25);
    OKButton->setDefault(true);
    OKButton->raise();
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Label24, &LinkLabel::Clicked, this, &TAboutBox::Label24Click);
    connect(Label24, &LinkLabel::MouseEnter, this, &TAboutBox::Label24MouseEnter);
    connect(Label24, &LinkLabel::MouseLeave, this, &TAboutBox::Label24MouseLeave);
    connect(Label26, &LinkLabel::Clicked, this, &TAboutBox::Label26Click);
    connect(Label26, &LinkLabel::MouseEnter, this, &TAboutBox::Label26MouseEnter);
    connect(Label26, &LinkLabel::MouseLeave, this, &TAboutBox::Label26MouseLeave);
    connect(Label14, &LinkLabel::Clicked, this, &TAboutBox::Label14Click);
    connect(Label14, &LinkLabel::MouseEnter, this, &TAboutBox::Label14MouseEnter);
    connect(Label14, &LinkLabel::MouseLeave, this, &TAboutBox::Label14MouseLeave);
}

void TAboutBox::Label24Click() {
    OpenLink(Label24->text());
}

void TAboutBox::Label24MouseEnter() {
    Underline(Label24);
}

void TAboutBox::Label24MouseLeave() {
    Plain(Label24);
}

void TAboutBox::Label26Click() {
    OpenLink(QStringLiteral("mailto:") + Label26->text() + QStringLiteral("?subject=Information request"));
}

void TAboutBox::Label26MouseEnter() {
    Underline(Label26);
}

void TAboutBox::Label26MouseLeave() {
    Plain(Label26);
}

void TAboutBox::Label14Click() {
    OpenLink(QStringLiteral("mailto:") + Label26->text() +
             QStringLiteral("?subject=Vote about Orlisk Volume Calculator&body=Hi!"));
}

void TAboutBox::Label14MouseEnter() {
    Underline(Label14);
}

void TAboutBox::Label14MouseLeave() {
    Plain(Label14);
}

void TAboutBox::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        LoadPictures();
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
}

// The pictures are decoded when the box is first shown, not while the program starts.
void TAboutBox::LoadPictures() {
    SpeedBar1->SetWallpaper(LoadWallpaper());
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/pictures/program_picture")));
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/envelope")));
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace volcalc::ui
