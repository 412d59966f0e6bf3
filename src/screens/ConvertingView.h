#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class QVariantAnimation;
class ScreenState;
class SymbolView;

// What the conversion screen shows while a batch runs: the turning gear, "Converting...", which
// file of how many, and the percent done of the current file. It reads the file count and
// isConverting from the shared state; the batch feeds it the index and the progress.
class ConvertingView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int gearHeight = 60;
    static constexpr int tickIntervalMs = 100;
    static constexpr double degreesPerTick = 36.0;

    explicit ConvertingView(ScreenState *state, QWidget *parent = nullptr);

    static QString percentText(double progress);
    // Empty when the batch has fewer than two files: then the line is not shown.
    static QString counterText(qint64 currentFileIndex, qsizetype fileCount);

    // The angle the gear is turning towards: grows by 36 per tick, never wrapped at 360.
    double rotationAngle() const { return m_rotationAngle; }
    bool isSpinning() const;

    void startSpinner();
    void stopSpinner();

public Q_SLOTS:
    void setCurrentFileIndex(qint64 index);
    void setConversionProgress(double progress);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void tick();
    void onConvertingChanged(bool converting);
    void renderCounter();

    ScreenState *m_state;
    SymbolView *m_gear;
    QLabel *m_title;
    QLabel *m_counter;
    QLabel *m_percent;
    QTimer *m_spinTimer;
    QVariantAnimation *m_turn;
    double m_rotationAngle = 0.0;
    qint64 m_currentFileIndex = 0;
};
