// The "Help" window that shows the rules of the game and then Corvana's keys and commands.
// Created once at start-up (which hands it the rules document) and shown from the Info menu as a
// window of its own beside the game, which goes on meanwhile.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <QPushButton>
#include <QSizeGrip>
#include <QString>
#include <QTextBrowser>
#include <cstdint>
#include <span>

#include "Result.h"

class TRulersDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TRulersDlg)

public:
    explicit TRulersDlg(QWidget* parent = nullptr);

    // Shows the rules document (Rich Text Format) in Memo1. Fails (Damaged) when the document
    // could not be read completely; what could be read is shown either way.
    Status LoadRules(std::span<const std::uint8_t> rtf);
    // Adds the program's keys and topics (HelpText) after the rules, in the language installed.
    void ShowProgramHelp();

    // Places the controls for the current client size: the button centred near the bottom, the
    // text above it, the grip in the corner.
    void FormResize();

    QTextBrowser* Memo1;
    QPushButton* BitBtn1; // "&Ok", modal result 1
    QSizeGrip* SizeGrip;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
