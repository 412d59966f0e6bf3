#include "FailureReport.h"

#include "ElidedLabel.h"
#include "FileSummary.h"
#include "Theme.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString displayName(const QUrl &input)
{
    const QString name = input.fileName();
    return name.isEmpty() ? input.toDisplayString(QUrl::PreferLocalFile) : name;
}

} // namespace

FailureReport::FailureReport(QWidget *parent)
    : QWidget(parent)
    , m_countLine(new QLabel(this))
    , m_furtherFilesLine(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);

    m_countLine->setFont(Theme::font(Theme::TextStyle::Body));
    m_countLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_countLine);

    for (int i = 0; i < shownNames; ++i) {
        auto *nameLine = new ElidedLabel(this);
        nameLine->setFont(Theme::font(Theme::TextStyle::Caption));
        layout->addWidget(nameLine);
        m_nameLines.append(nameLine);
    }

    m_furtherFilesLine->setFont(Theme::font(Theme::TextStyle::Caption));
    m_furtherFilesLine->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_furtherFilesLine);

    applySecondaryColour();
}

QString FailureReport::countLine(qsizetype failedCount, qsizetype totalCount)
{
    // The noun agrees with the total ("1 of 1 file", "1 of 3 files"). Two source texts, so that
    // English reads right with no translation loaded.
    const int total = int(totalCount);
    const QString line =
        total == 1 ? tr("%1 of %n file could not be converted", "failed of all files", total)
                   : tr("%1 of %n files could not be converted", "failed of all files", total);
    return line.arg(failedCount);
}

void FailureReport::showOutcomes(const BatchOutcomes &outcomes)
{
    QStringList failedNames;
    for (const FileOutcome &outcome : outcomes)
        if (!outcome.converted())
            failedNames.append(displayName(outcome.input));

    m_countLine->setText(countLine(failedNames.size(), outcomes.size()));
    for (int i = 0; i < shownNames; ++i) {
        const bool shown = i < failedNames.size();
        m_nameLines[i]->setText(shown ? failedNames[i] : QString());
        m_nameLines[i]->setVisible(shown);
    }
    const qsizetype further = failedNames.size() - shownNames;
    m_furtherFilesLine->setText(further > 0 ? FileSummary::furtherFilesLine(further) : QString());
    m_furtherFilesLine->setVisible(further > 0);
}

void FailureReport::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applySecondaryColour();
    QWidget::changeEvent(event);
}

void FailureReport::applySecondaryColour()
{
    const QColor secondary = Theme::secondaryText(palette());
    for (ElidedLabel *nameLine : std::as_const(m_nameLines))
        nameLine->setTextColor(secondary);
    for (QLabel *line : {m_countLine, m_furtherFilesLine}) {
        QPalette linePalette = line->palette();
        linePalette.setColor(QPalette::WindowText, secondary);
        line->setPalette(linePalette);
    }
}
