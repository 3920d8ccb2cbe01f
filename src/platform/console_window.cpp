#include "platform/console_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <csignal>
#include <unistd.h>

namespace {
const char pausePrompt[] = "Press any key to continue . . .";

QStringList batchLines(const QString& batchFile, QString* error) {
    QFile file(batchFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return QString::fromLocal8Bit(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
}
}  // namespace

ConsoleWindow* ConsoleWindow::start(const QString& batchFile, ConsoleShow show,
                                    const QProcessEnvironment& environment, QWidget* owner) {
    auto* console = new ConsoleWindow(batchFile, environment, owner);
    if (show == ConsoleShow::Maximised)
        console->showMaximized();
    else
        console->show();
    console->raise();
    console->activateWindow();
    console->runNextLine();
    return console;
}

ConsoleWindow::ConsoleWindow(const QString& batchFile, const QProcessEnvironment& environment,
                             QWidget* owner)
    : QWidget(owner, Qt::Window), folder_(QFileInfo(batchFile).absolutePath()), environment_(environment) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QDir::toNativeSeparators(QFileInfo(batchFile).absoluteFilePath()));
    resize(720, 400);
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: #c0c0c0; }"));
    view_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    QString error;
    lines_ = batchLines(batchFile, &error);
    if (!error.isEmpty()) append(QStringLiteral("Cannot read %1: %2\n").arg(batchFile, error));
}

ConsoleWindow::~ConsoleWindow() { endCommand(); }

QString ConsoleWindow::text() const { return view_->toPlainText(); }

void ConsoleWindow::append(const QString& text) {
    view_->moveCursor(QTextCursor::End);
    view_->insertPlainText(text);
    view_->moveCursor(QTextCursor::End);
}

void ConsoleWindow::runNextLine() {
    static const QRegularExpression pathLine(QStringLiteral("^\\s*path\\s*=\\s*(.*)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pause(QStringLiteral("^\\s*pause\\s*$"),
                                          QRegularExpression::CaseInsensitiveOption);
    while (!lines_.isEmpty()) {
        QString line = lines_.takeFirst();
        if (line.trimmed().isEmpty()) continue;
        // "@" keeps a line from being echoed, as in a Windows batch file.
        const bool echo = !line.startsWith(QLatin1Char('@'));
        if (!echo) line.remove(0, 1);
        if (echo) append(QStringLiteral("\n%1>%2\n").arg(folder_, line));
        if (pause.match(line).hasMatch()) {
            append(QString::fromLatin1(pausePrompt));
            waitingForKey_ = true;
            emit batchFinished();
            return;
        }
        const QRegularExpressionMatch path = pathLine.match(line);
        if (path.hasMatch()) {
            const QString folder = path.captured(1).trimmed();
            if (!folder.isEmpty())
                environment_.insert(QStringLiteral("PATH"),
                                    folder + QLatin1Char(':') + environment_.value(QStringLiteral("PATH")));
            continue;
        }
        runCommand(line);
        return;
    }
    emit batchFinished();
}

void ConsoleWindow::runCommand(const QString& line) {
    process_ = new QProcess(this);
    process_->setProgram(QStringLiteral("/bin/sh"));
    process_->setArguments({QStringLiteral("-c"), line});
    process_->setWorkingDirectory(folder_);
    process_->setProcessEnvironment(environment_);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    // Its own process group, so that closing the console ends the command and its children.
    process_->setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(process_, &QProcess::readyRead, this, &ConsoleWindow::appendOutput);
    connect(process_, &QProcess::finished, this, [this] {
        appendOutput();
        process_->deleteLater();
        process_ = nullptr;
        runNextLine();
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        append(QStringLiteral("Cannot start /bin/sh: %1\n").arg(process_->errorString()));
        process_->deleteLater();
        process_ = nullptr;
        runNextLine();
    });
    process_->start();
    process_->closeWriteChannel();
}

void ConsoleWindow::appendOutput() {
    if (process_) append(decoder_.decode(process_->readAll()));
}

void ConsoleWindow::endCommand() {
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    process_->disconnect(this);
    ::kill(-pid_t(process_->processId()), SIGKILL);
    process_->waitForFinished(2000);
}

bool ConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress && waitingForKey_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A modifier alone is not "any key" in a console either.
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConsoleWindow::closeEvent(QCloseEvent* event) {
    endCommand();
    event->accept();
}
