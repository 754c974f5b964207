// Corvana's program entry: the application, then the main window, then the dialogs that live as
// long as it does, then the message loop.
#include <QApplication>

#include "ChoiceUnit.h"
#include "FinalUnit.h"
#include "MainUnit.h"
#include "ResourceStore.h"
#include "RulersUnit.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvana"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvana"));

    TReversiForm form;
    TFinalDlg finalDlg(&form);
    TRulersDlg rulersDlg(&form);
    if (const ResourceLookup rules = FindResource("RULERS_TEXT"))
        rulersDlg.LoadRules(rules.Entry->Bytes);
    TChoice choice(&form);
    form.SetDialogs(&finalDlg, &choice, &rulersDlg);
    form.Start();
    return app.exec();
}
