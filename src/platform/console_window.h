#pragma once
// Our console: runs a batch file of the editor's making, line by line, and shows what the
// commands print as they print it. The lines it understands:
//   path = FOLDER   puts FOLDER in front of PATH (an empty FOLDER leaves PATH as it is);
//   @pause / pause  prints "Press any key to continue . . ." and closes the window on a key;
//   anything else   runs through /bin/sh -c in the batch file's folder.
// Nothing blocks the editor while a command runs; closing the window ends the command.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringDecoder>
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

enum class ConsoleShow { Normal, Maximised };

class ConsoleWindow : public QWidget {
    Q_OBJECT
public:
    // Opens a console that runs the batch file and deletes itself when closed. The commands
    // get the environment given (PATH changed by the batch file's own path line). A console
    // given an owner window closes with it, ending its command.
    static ConsoleWindow* start(const QString& batchFile, ConsoleShow show,
                                const QProcessEnvironment& environment =
                                    QProcessEnvironment::systemEnvironment(),
                                QWidget* owner = nullptr);
    ~ConsoleWindow() override;

    QString text() const;
    bool isWaitingForKey() const { return waitingForKey_; }

signals:
    // The batch file has reached its pause (or its end).
    void batchFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ConsoleWindow(const QString& batchFile, const QProcessEnvironment& environment, QWidget* owner);
    void runNextLine();
    void runCommand(const QString& line);
    void appendOutput();
    void append(const QString& text);
    void endCommand();

    QPlainTextEdit* view_;
    QString folder_;
    QStringList lines_;
    QProcessEnvironment environment_;
    QProcess* process_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::System};
    bool waitingForKey_ = false;
};
