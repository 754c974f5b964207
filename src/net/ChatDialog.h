// The "Send message" dialog: the history of chat texts sent ("<<") and received (">>") and a combo
// box to type the next one, with the texts sent so far newest first. Created once at start-up, so
// history and list last for the whole run; the main window shows it modally for "&Message" and
// for every received text, and adds the lines.
#pragma once

#include <QCoreApplication>

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QSizeGrip;

class TSendDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TSendDlg)

public:
    explicit TSendDlg(QWidget* parent = nullptr);

    // Lays the controls out for the client size.
    void FormResize();
    // Brings the last line of the history into view.
    void ScrollHistoryToEnd();
    // A line of the history: "<<" and a sent text, or ">>" and a received one. Plain text.
    void AddHistoryLine(const QString& line);
    // Puts a sent text at the top of the combo box's list (repeated texts are kept).
    void RememberSentText(const QString& text);
    QString TextToSend() const;

    QGroupBox* GroupBox1; // "Messages history"
    QPlainTextEdit* ResivedMessages;
    QGroupBox* GroupBox2; // "Send"
    QComboBox* SendedMessages; // initially "HI!"
    QPushButton* OKBtn; // "&Send", accepts
    QPushButton* CancelBtn; // "&Cancel", rejects
    QSizeGrip* SizeGrip;

    // Older lines leave the history beyond this many.
    static constexpr int MaxHistoryLines = 1000;

protected:
    // The text to send is what the user came for: the focus starts there, on the whole text.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
