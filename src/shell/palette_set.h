#pragma once
// The palettes of View > Toolbox: each item toggles its palette (created on first use, unloaded
// when unchecked); every open palette is hidden while the frame is minimised or a common dialog
// is up, and shown again afterwards.
#include <QObject>
#include <QPointer>
#include <map>

#include "shell/palette.h"

class CommandRegistry;

class PaletteSet : public QObject {
    Q_OBJECT
public:
    // frameWidget parents the palettes and is watched for minimise and restore.
    PaletteSet(AppState& app, QWidget* frameWidget);
    ~PaletteSet() override;

    // The five View > Toolbox items as commands.
    void registerCommands(CommandRegistry& commands);
    void toggle(const PaletteRow& row);
    // The palette of a View > Toolbox item, nullptr while it is not loaded.
    Palette* palette(const QString& menuItem) const;

    void hidePalettes();
    void showPalettes();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isChecked(const PaletteRow& row) const;

    AppState& app_;
    QWidget* frame_;
    std::map<QString, QPointer<Palette>> open_;
};
