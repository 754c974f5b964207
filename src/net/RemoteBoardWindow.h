// The remote board window ("R_BRD"): the peer's board as its last board message described it, in
// a small square window that closes when clicked. Created once at start-up, hidden; the main window
// hands it each board message and shows it (not modally).
#pragma once

#include <QWidget>
#include <string>

class TRemoteField : public QWidget {
public:
    explicit TRemoteField(QWidget* parent = nullptr);

    // The whole board message, its leading "D" included.
    void SetRemoteBoard(const std::string& text);

    std::string RemoteBoardText;

    static constexpr int ClientSize = 128;
    // Where the window opens on the screen (kept inside the screen).
    static constexpr QPoint DesignedPosition { 1120, 189 };

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Esc and Enter close it as a click does, for those who do not use a mouse.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormPaint();
    void FormClick();
};
