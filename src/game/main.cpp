// Corvana's program entry: the application, then the main window, then the dialogs that live as
// long as it does, then the message loop.
#include <QApplication>
#include <QCommandLineParser>

#include "Call.h"
#include "ChoiceUnit.h"
#include "FinalUnit.h"
#include "MainUnit.h"
#include "R_BRD.h"
#include "Request.h"
#include "ResourceStore.h"
#include "RulersUnit.h"
#include "Send.h"
#include "Settings.h"
#include "SideUnit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvana"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Corvana, a Reversi game."));
    parser.addHelpOption();
    const QCommandLineOption configOption(QStringLiteral("config"),
        QStringLiteral(
            "Read and write the settings in <file> instead of ~/.config/corvana/reversi.ini."),
        QStringLiteral("file"));
    parser.addOption(configOption);
    parser.process(app);
    if (parser.isSet(configOption))
        SettingsFile = parser.value(configOption).toStdString();

    TReversiForm form;
    TSideDlg sideDlg(&form);
    TFinalDlg finalDlg(&form);
    TCallDlg callDlg(&form);
    TSendDlg sendDlg(&form);
    TCallReq callReq(&form);
    TRulersDlg rulersDlg(&form);
    if (const ResourceLookup rules = FindResource("RULERS_TEXT"))
        rulersDlg.LoadRules(rules.Entry->Bytes);
    TRemoteField remoteField(&form);
    TChoice choice(&form);
    form.SetDialogs(&sideDlg, &finalDlg, &choice, &rulersDlg);
    form.SetNetDialogs(&callDlg, &sendDlg, &callReq, &remoteField);
    form.Start();
    return app.exec();
}
