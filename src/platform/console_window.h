#pragma once
// Our console: runs one command in a window of its own and serves it as a terminal would. What
// the command prints (output and errors) shows as it comes; a line typed in the input field
// goes to its standard input when Enter is pressed, Ctrl+D there ends the input; Stop ends the
// command and its children. When the command has ended the console shows how it ended and
// "Press any key to continue . . .", and closes on a key. Nothing blocks the editor while the
// command runs; closing the window ends the command.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringDecoder>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

enum class ConsoleShow { Normal, Maximised };

struct ConsoleCommand {
    // The command as a line for the shell: shown after the prompt.
    QString line;
    // The program (a full path) and its arguments, started without any shell. Empty: the line
    // itself goes to /bin/sh -c, for a command line the user typed.
    QStringList arguments;
    QString folder;  // where it runs
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

class ConsoleWindow : public QWidget {
    Q_OBJECT
public:
    // Opens a console running the command; it deletes itself when closed. A console given an
    // owner window closes with it, ending its command.
    static ConsoleWindow* start(const ConsoleCommand& command, ConsoleShow show, QWidget* owner = nullptr);
    ~ConsoleWindow() override;

    QString text() const;
    bool isRunning() const { return process_ != nullptr; }
    bool isWaitingForKey() const { return waitingForKey_; }
    QLineEdit* input() const { return input_; }
    QPushButton* stopButton() const { return stop_; }
    // Ends the running command and its children; the console then shows "[Stopped]".
    void stop();

signals:
    // The command has ended and the console waits for a key.
    void commandFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit ConsoleWindow(QWidget* owner);
    void run(const ConsoleCommand& command);
    void sendLine();
    void endInput();
    void appendOutput();
    void ended(const QString& how);
    void append(const QString& text);
    void killCommand();

    QPlainTextEdit* view_;
    QLineEdit* input_;
    QPushButton* stop_;
    QProcess* process_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::System};
    bool stopped_ = false;
    bool waitingForKey_ = false;
};
