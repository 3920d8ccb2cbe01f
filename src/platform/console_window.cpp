#include "platform/console_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {
const char pausePrompt[] = "Press any key to continue . . .";
const char inputHint[] = "Type a line for the program, Enter sends it, Ctrl+D ends the input";
}  // namespace

ConsoleWindow* ConsoleWindow::start(const ConsoleCommand& command, ConsoleShow show, QWidget* owner) {
    auto* console = new ConsoleWindow(owner);
    console->setWindowTitle(command.line);
    if (show == ConsoleShow::Maximised)
        console->showMaximized();
    else
        console->show();
    console->raise();
    console->activateWindow();
    console->run(command);
    return console;
}

ConsoleWindow::ConsoleWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 400);
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: #c0c0c0; }"));
    view_->installEventFilter(this);
    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("input"));
    input_->setFont(view_->font());
    input_->setPlaceholderText(QString::fromLatin1(inputHint));
    input_->installEventFilter(this);
    stop_ = new QPushButton(QStringLiteral("&Stop"), this);
    stop_->setObjectName(QStringLiteral("stop"));
    connect(input_, &QLineEdit::returnPressed, this, &ConsoleWindow::sendLine);
    connect(stop_, &QPushButton::clicked, this, &ConsoleWindow::stop);
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(input_, 1);
    inputRow->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(inputRow);
    setFocusProxy(input_);
}

ConsoleWindow::~ConsoleWindow() { killCommand(); }

QString ConsoleWindow::text() const { return view_->toPlainText(); }

void ConsoleWindow::append(const QString& text) {
    view_->moveCursor(QTextCursor::End);
    view_->insertPlainText(text);
    view_->moveCursor(QTextCursor::End);
}

void ConsoleWindow::run(const ConsoleCommand& command) {
    append(QStringLiteral("%1>%2\n").arg(command.folder, command.line));
    process_ = new QProcess(this);
    if (command.arguments.isEmpty()) {
        process_->setProgram(QStringLiteral("/bin/sh"));
        process_->setArguments({QStringLiteral("-c"), command.line});
    } else {
        process_->setProgram(command.arguments.first());
        process_->setArguments(command.arguments.mid(1));
    }
    process_->setWorkingDirectory(command.folder);
    // Paths reach the program as UTF-8; without a locale it would read them as ASCII.
    QProcessEnvironment environment = command.environment;
    if (!environment.contains(QStringLiteral("LC_ALL")) && !environment.contains(QStringLiteral("LC_CTYPE")) &&
        !environment.contains(QStringLiteral("LANG")))
        environment.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    // Its own process group, so that Stop and closing the console end its children too.
    process_->setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(process_, &QProcess::readyRead, this, &ConsoleWindow::appendOutput);
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        appendOutput();
        ended(stopped_                          ? QStringLiteral("[Stopped]")
              : status == QProcess::NormalExit ? QStringLiteral("[Exit status %1]").arg(code)
                                               : QStringLiteral("[Ended abnormally]"));
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(QStringLiteral("Cannot start %1: %2").arg(process_->program(), process_->errorString()));
    });
    process_->start();
}

void ConsoleWindow::appendOutput() {
    if (process_) append(decoder_.decode(process_->readAll()));
}

void ConsoleWindow::sendLine() {
    if (!process_) return;
    const QString line = input_->text();
    input_->clear();
    append(line + QLatin1Char('\n'));  // echoed, as a terminal does
    process_->write((line + QLatin1Char('\n')).toLocal8Bit());
}

void ConsoleWindow::endInput() {
    if (!process_) return;
    // As at a terminal: what is typed so far goes without a line end, then the input ends.
    process_->write(input_->text().toLocal8Bit());
    append(input_->text());
    input_->clear();
    process_->closeWriteChannel();
    input_->setEnabled(false);
}

void ConsoleWindow::ended(const QString& how) {
    process_->deleteLater();
    process_ = nullptr;
    const QString lineEnd = view_->toPlainText().endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n");
    append(lineEnd + how + QLatin1Char('\n') + QString::fromLatin1(pausePrompt));
    input_->setEnabled(false);
    stop_->setEnabled(false);
    setFocusProxy(view_);
    view_->setFocus();
    waitingForKey_ = true;
    emit commandFinished();
}

void ConsoleWindow::stop() {
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    stopped_ = true;
    ::kill(-pid_t(process_->processId()), SIGKILL);
}

void ConsoleWindow::killCommand() {
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    process_->disconnect(this);
    ::kill(-pid_t(process_->processId()), SIGKILL);
    process_->waitForFinished(2000);
}

bool ConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == input_ && key->key() == Qt::Key_D && key->modifiers() == Qt::ControlModifier) {
        endInput();
        return true;
    }
    // A modifier alone is not "any key" in a console either.
    static const int modifierKeys[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta};
    if (watched == view_ && waitingForKey_ && !std::count(std::begin(modifierKeys), std::end(modifierKeys), key->key())) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ConsoleWindow::closeEvent(QCloseEvent* event) {
    killCommand();
    event->accept();
}
