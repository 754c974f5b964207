// The "Call" dialog: the caller chooses the colour to play, the board size and the computer to
// call. Created once at start-up; the main window presets the choices from the settings before
// every showing and reads them back after "&Call". The typed address lasts for the whole run.
#pragma once

#include <QCoreApplication>

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TCallDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TCallDlg)

public:
    explicit TCallDlg(QWidget* parent = nullptr);

    // Checks "&Yellow" and "&10 x 10".
    void FormCreate();

    QGroupBox* GroupBox1; // "Conditions"
    QGroupBox* GroupBox2; // "You play"
    QRadioButton* CallNetWhite; // "&Yellow": the caller plays Yellow
    QRadioButton* CallNetBlack; // "&Green"
    QGroupBox* GroupBox3; // "Field size"
    QRadioButton* CallNetSize8;
    QRadioButton* CallNetSize10;
    QGroupBox* GroupBox4; // "Computer name or IP address"
    QLineEdit* NetCallAddress; // every typed letter becomes upper case
    QPushButton* OKBtn; // "&Call", accepts
    QPushButton* CancelBtn; // "C&ancel", rejects

protected:
    // The address is what is typed first; the focus starts there.
    void showEvent(QShowEvent* event) override;
};
