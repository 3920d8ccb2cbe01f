#pragma once
// Recovery of unsaved work. While a window holds changes that are not saved, its text is kept in
// a recovery file of this run's folder; saving or closing the window removes the file, and a
// clean exit removes the folder. A folder whose run ended without cleaning up (a crash, a kill)
// is found at the next start-up and offered back to the user.
#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <vector>

#include "core/text_encoding.h"
#include "core/window_kind.h"

// What one recovery file holds.
struct RecoveredDocument {
    QString file;  // the recovery file itself
    WindowKind kind = KindHtml;
    QString caption;
    TextEncoding encoding = TextEncoding::Utf8;  // the one the document is saved in
    QDateTime changed;
    QByteArray text;
};

class RecoveryStore {
public:
    // Takes a folder of its own below root, locked for as long as this run lasts.
    explicit RecoveryStore(const QString& root);
    // A clean exit: waits for pending writes and removes this run's folder.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes (atomically, off the user-interface thread) or removes the file of one document.
    // Requests for one document are carried out in the order they were made.
    void write(int document, const RecoveredDocument& content);
    void remove(int document);
    // A number for a new document, unique within this run.
    int newDocument() { return ++lastDocument_; }
    // Blocks until every request made so far is carried out.
    void waitForWrites();
    QString folder() const { return folder_; }

    // The documents left below root by runs that are no longer alive, oldest change first.
    static std::vector<RecoveredDocument> leftOver(const QString& root);
    // Deletes the folders of runs that are no longer alive.
    static void discardLeftOver(const QString& root);

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QThreadPool writer_;  // one thread: requests run in order
    int lastDocument_ = 0;
};

// Where recovery folders live: TESSAVEL_RECOVERY_DIR when set, otherwise "recovery" in the
// per-user data folder.
QString recoveryRoot();
