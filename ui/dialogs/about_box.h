// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace volcalc::ui {

class LinkLabel;
class WallpaperPanel;

// The About box: the program's name and pictures over a tiled wallpaper, and three links handed
// to the desktop shell: the home page, a mail to support and a mail with a vote.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The links, handed to the desktop shell.
    void homePageClicked();
    void supportMailClicked();
    void voteClicked();

    void setVisible(bool visible) override;

protected:
    // OKButton is the default button and there is no cancel button: Esc does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadPictures();
    WallpaperPanel* m_wallpaper;
    QLabel* m_programPicture;
    LinkLabel* m_homePageLink;
    LinkLabel* m_supportMailLink;
    QLabel* m_envelopePicture;
    LinkLabel* m_voteLink;
    QPushButton* m_okButton;

    bool m_placed = false;
};

} // namespace volcalc::ui
