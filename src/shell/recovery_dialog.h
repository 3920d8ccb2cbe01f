#pragma once
// "Recover unsaved work": offered at start-up when an earlier run ended without saving or closing
// its windows. Recover opens each document again in a window of its kind, modified and with its
// caption; Discard deletes them. Closing the dialog decides nothing: they are offered again.
#include <QDialog>
#include <functional>
#include <vector>

#include "core/recovery_store.h"

class QTreeWidget;

class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { Undecided, Recover, Discard };

    explicit RecoveryDialog(const std::vector<RecoveredDocument>& documents,
                            QWidget* parent = nullptr);
    Choice choice() const { return choice_; }
    QTreeWidget* list() const { return list_; }

private:
    QTreeWidget* list_;
    Choice choice_ = Undecided;
};

class mdiform1;

// Asks about what earlier runs left below root, using `ask` to show the dialog and return the
// user's choice, and acts on the answer. Returns the number of windows recovered.
int offerRecovery(mdiform1& frame, const QString& root,
                  const std::function<RecoveryDialog::Choice(RecoveryDialog&)>& ask);
