#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace volcalc::ui {

class LinkLabel;
class WallpaperPanel;

// The About box: the program's name and pictures over a tiled wallpaper, and three links handed
// to the desktop shell: the home page, a mail to support and a mail with a vote.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void Label24Click();
    void Label24MouseEnter();
    void Label24MouseLeave();
    void Label26Click();
    void Label26MouseEnter();
    void Label26MouseLeave();
    void Label14Click();
    void Label14MouseEnter();
    void Label14MouseLeave();

    void setVisible(bool visible) override;

protected:
    // OKButton is the default button and there is no cancel button: Esc does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadPictures();
    WallpaperPanel* SpeedBar1;
    QLabel* ProgramIcon;
    QLabel* Label17;
    QLabel* Label20;
    QLabel* Label23;
    LinkLabel* Label24;
    QLabel* Label4;
    LinkLabel* Label26;
    QLabel* Image1;
    LinkLabel* Label14;
    QPushButton* OKButton;

    bool placed_ = false;
};

} // namespace volcalc::ui
