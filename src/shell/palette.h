#pragma once
// One floating palette: a row of picture boxes, each running its command by menu name. The box
// under the mouse gets a single border, the others none.
#include <QLabel>
#include <QList>
#include <QWidget>

#include "shell/palette_table.h"

struct AppState;

class PictureBox : public QLabel {
    Q_OBJECT
public:
    PictureBox(const PaletteButtonRow& row, QWidget* parent);
    const PaletteButtonRow& row() const { return row_; }
    bool hasBorder() const;
    void setBorder(bool on);

signals:
    void hovered(PictureBox* box);
    void clicked(PictureBox* box);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const PaletteButtonRow& row_;
};

class Palette : public QWidget {
    Q_OBJECT
public:
    Palette(AppState& app, const PaletteRow& row, QWidget* parent);
    const PaletteRow& row() const { return row_; }
    const QList<PictureBox*>& boxes() const { return boxes_; }
    PictureBox* box(const QString& button) const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void highlight(PictureBox* box);

    AppState& app_;
    const PaletteRow& row_;
    QList<PictureBox*> boxes_;
};
