// The macro page's import and export through the real file dialogs, answered as a user
// would.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>

#include "common/StringTable.h"
#include "data/FixedText.h"
#include "data/MacroLibrary.h"
#include "macro/MacroFileCommands.h"
#include "platform/QtText.h"
#include "skin/CWarningDlg.h"

namespace {

// Answers the next modal dialogs: the file dialog with the given file, a warning with OK.
// It stops once it has answered as many as it expects, so it never outlives its test.
class Answers {
public:
    Answers(QString file, int expected) : state_(std::make_shared<State>()) {
        state_->file = std::move(file);
        state_->remaining = expected;
        Arm(state_);
    }
    ~Answers() { state_->remaining = 0; }
    int Warnings() const { return state_->warnings; }
    bool DialogSeen() const { return state_->dialogSeen; }

private:
    struct State {
        QString file;
        int remaining = 0;
        int warnings = 0;
        bool dialogSeen = false;
    };

    static void Arm(std::shared_ptr<State> s) {
        QTimer::singleShot(50, [s] { Answer(s); });
    }
    static void Answer(const std::shared_ptr<State>& s) {
        if (s->remaining <= 0) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !s->dialogSeen) {
            s->dialogSeen = true;
            // Typed into the name box, as a user would; the dialog opens in the file's folder.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(QFileInfo(s->file).fileName());
            }
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            --s->remaining;
        } else if (auto* warning = qobject_cast<CWarningDlg*>(modal)) {
            ++s->warnings;
            warning->done(CWarningDlg::kOk);
            --s->remaining;
        }
        Arm(s);
    }

    std::shared_ptr<State> state_;
};

}  // namespace

class MacroFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportNamesUniquely();
    void aFileOfTheWrongSizeIsRefusedWithAWarning();

private:
    StringTable strings_;
};

void MacroFileCommandsTest::exportThenImportNamesUniquely() {
    QTemporaryDir dir;
    const auto folder = ToPath(dir.path()) / "";
    MacroLibrary library([folder] { return folder; }, u"Macro ");
    tagElement* made = library.NewMacro();
    QVERIFY(made != nullptr);
    const QString file = dir.path() + QStringLiteral("/mine.macro");

    Answers answers(file, 1);
    ExportMacroFile(nullptr, library, made, strings_, folder);
    QVERIFY(answers.DialogSeen());
    QCOMPARE(QFileInfo(file).size(), 788);

    Answers again(file, 1);
    tagElement* imported = ImportMacroFile(nullptr, library, strings_, folder);
    QVERIFY(imported != nullptr);
    QCOMPARE(ToQString(ReadFixedText(imported->name)), QStringLiteral("Macro 1_1"));
    QCOMPARE(again.Warnings(), 0);
}

void MacroFileCommandsTest::aFileOfTheWrongSizeIsRefusedWithAWarning() {
    QTemporaryDir dir;
    const auto folder = ToPath(dir.path()) / "";
    MacroLibrary library([folder] { return folder; }, u"Macro ");
    const QString file = dir.path() + QStringLiteral("/short.macro");
    std::ofstream(ToPath(file), std::ios::binary) << std::string(787, 'x');

    Answers answers(file, 2);
    QVERIFY(ImportMacroFile(nullptr, library, strings_, folder) == nullptr);
    QCOMPARE(answers.Warnings(), 1);
    QCOMPARE(library.Size(), std::size_t{0});
}

int main(int argc, char** argv) {
    // The Qt dialog, which the test can answer, rather than the desktop's own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    MacroFileCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "MacroFileCommandsTest.moc"
