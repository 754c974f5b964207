// How the dialogs come out on the screen with the desktop's font, at its usual size and a large
// one: no text cut off, no control outside its parent or on top of another, the result message
// centred. Each dialog is also written as a PNG to previews/ in the build directory for a look.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ChoiceUnit.h"
#include "FinalUnit.h"
#include "RulersUnit.h"
#include "SampleRules.h"

namespace {

void SavePreview(QWidget& dialog, const QString& name)
{
    QDir().mkpath(QStringLiteral(CORVANA_PREVIEW_DIR));
    dialog.grab().save(QStringLiteral(CORVANA_PREVIEW_DIR "/%1.png").arg(name));
}

// Labels, buttons and group boxes get at least the room their text asks for, stay inside their
// parent and keep clear of their siblings.
void CheckControls(QWidget& dialog)
{
    QList<QWidget*> controls;
    for (QWidget* w : dialog.findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)
            || qobject_cast<QGroupBox*>(w))
            controls.append(w);
    QVERIFY(!controls.isEmpty());
    for (QWidget* w : controls) {
        const QString what = w->metaObject()->className() + QStringLiteral(" ")
            + w->property("text").toString() + w->property("title").toString();
        QVERIFY2(w->isVisible(), qPrintable(what));
        QVERIFY2(
            w->width() >= w->sizeHint().width() && w->height() >= w->minimumSizeHint().height(),
            qPrintable(what));
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(what));
        for (QWidget* other : controls)
            if (other != w && other->parentWidget() == w->parentWidget())
                QVERIFY2(!other->geometry().intersects(w->geometry()), qPrintable(what));
    }
}

} // namespace

class DialogLookTest : public QObject {
    Q_OBJECT

private slots:
    void Looks_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("desktop font") << 0;
        QTest::newRow("large font") << 14;
    }
    void Looks()
    {
        QFETCH(int, pointSize);
        const QFont desktopFont = QApplication::font();
        QFont font = desktopFont;
        if (pointSize > 0)
            font.setPointSize(pointSize);
        QApplication::setFont(font);
        const QString suffix = pointSize > 0 ? QStringLiteral("-large") : QString();

        {
            TFinalDlg final;
            final.show();
            QVERIFY(QTest::qWaitForWindowExposed(&final));
            const int kinds[][3] = { { 0, 100, 0 }, { 1, 33, 31 }, { 2, 32, 32 }, { 4, 0, 0 } };
            for (const auto& [kind, a, b] : kinds) {
                final.SetResultMessage(kind, a, b);
                QCoreApplication::processEvents();
                CheckControls(final);
                const QRect message = final.FinalMessage->geometry().translated(final.Bevel->pos());
                QVERIFY(qAbs(message.center().x() - final.rect().center().x()) <= 1);
                QVERIFY(
                    qAbs(final.OkButton->geometry().center().x() - final.rect().center().x()) <= 1);
                SavePreview(final, QStringLiteral("final-%1%2").arg(kind).arg(suffix));
            }
        }
        {
            TChoice choice;
            choice.show();
            QVERIFY(QTest::qWaitForWindowExposed(&choice));
            CheckControls(choice);
            SavePreview(choice, QStringLiteral("choice%1").arg(suffix));
        }
        {
            TRulersDlg help;
            QVERIFY(help.LoadRules({ reinterpret_cast<const std::uint8_t*>(SampleRulesRtf.data()),
                                       SampleRulesRtf.size() })
                        .isEmpty());
            help.show();
            QVERIFY(QTest::qWaitForWindowExposed(&help));
            CheckControls(help);
            SavePreview(help, QStringLiteral("help%1").arg(suffix));
            help.resize(200, 200);
            QCoreApplication::processEvents();
            CheckControls(help);
            SavePreview(help, QStringLiteral("help-minimum%1").arg(suffix));
        }
        QApplication::setFont(desktopFont);
    }
};

QTEST_MAIN(DialogLookTest)
#include "DialogLookTest.moc"
