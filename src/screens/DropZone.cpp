// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropZone.h"

#include "FileDropTarget.h"
#include "FileSummary.h"
#include "FocusRing.h"
#include "PaintedButton.h"
#include "SymbolView.h"
#include "TextButton.h"
#include "Theme.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

DropZone::DropZone(QWidget *parent)
    : QAbstractButton(parent)
    , m_icon(new SymbolView(QStringLiteral("video.badge.plus"), Theme::Metrics::dropIconHeight,
                            Theme::accent(), this))
    , m_invitation(new QLabel(tr("Drop video files here"), this))
    , m_clickHint(new QLabel(tr("or click to choose files"), this))
    , m_summary(new FileSummary(this))
    , m_foldersSeen(new QLabel(this))
    , m_clearButton(new TextButton(tr("Clear"), this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Its texts sit on the window, not on a button's face; they pick their colour by it.
    setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Add video files"));
    FocusRing::follow();
    setCursor(Qt::PointingHandCursor);
    auto *dropTarget = new FileDropTarget(this);
    connect(dropTarget, &FileDropTarget::filesDropped, this, &DropZone::filesDropped);
    connect(this, &DropZone::clicked, this, &DropZone::chooseFilesRequested);
    connect(m_clearButton, &TextButton::clicked, this, &DropZone::clearRequested);

    m_invitation->setFont(Theme::font(Theme::TextStyle::Title2));
    m_invitation->setAlignment(Qt::AlignCenter);
    Theme::useTextColour(m_invitation, Theme::accent());
    m_clickHint->setFont(Theme::font(Theme::TextStyle::Body));
    m_clickHint->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(m_clickHint);
    m_foldersSeen->setFont(Theme::font(Theme::TextStyle::Caption));
    m_foldersSeen->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(m_foldersSeen);

    // Names are elided within the zone's inner edge, clear of the rounded outline, which larger
    // text never touches either.
    auto *layout = new QVBoxLayout(this);
    const int clearance = Theme::Metrics::textSpacing;
    layout->setContentsMargins(int(cornerRadius), clearance, int(cornerRadius), clearance);
    layout->setSpacing(Theme::Metrics::textSpacing);
    layout->addStretch();
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);
    layout->addWidget(m_invitation);
    layout->addWidget(m_clickHint);
    layout->addWidget(m_summary);
    layout->addWidget(m_foldersSeen);
    layout->addWidget(m_clearButton, 0, Qt::AlignHCenter);
    layout->addStretch();

    showFiles({}, 0);
    showFoldersSeen(0);
}

void DropZone::showFiles(const QList<QUrl> &firstFiles, qsizetype count)
{
    m_invitation->setVisible(count == 0);
    m_clickHint->setVisible(count == 0);
    m_summary->setVisible(count > 0);
    m_fileCount = count;
    m_clearButton->setVisible(count > 0 || !m_foldersSeen->isHidden());
    m_summary->showFiles(firstFiles, count);
    // Qt tells screen readers of every description set, an equal one too.
    const QString description = listedFilesDescription(count);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

void DropZone::showFoldersSeen(qsizetype count)
{
    m_foldersSeen->setText(foldersSeenText(count));
    m_foldersSeen->setVisible(count > 0);
    m_clearButton->setVisible(m_fileCount > 0 || count > 0);
}

QString DropZone::foldersSeenText(qsizetype count)
{
    return tr("Looking for videos: %Ln folder(s) seen", "folders looked through so far",
              int(count));
}

QString DropZone::listedFilesDescription(qsizetype count)
{
    if (count == 0)
        return tr("No files listed");
    return tr("%n file(s) listed", "count of listed files", int(count));
}

void DropZone::keyPressEvent(QKeyEvent *event)
{
    if (!PaintedButton::clickOnEnter(this, event))
        QAbstractButton::keyPressEvent(event);
}

QSize DropZone::sizeHint() const
{
    return {420, std::max(height, layout()->sizeHint().height())};
}

QSize DropZone::minimumSizeHint() const
{
    return layout()->minimumSize().expandedTo({int(2 * cornerRadius), height});
}

void DropZone::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Qt measures dashes in pen widths. The outline is inset by half its width so that all of
    // it lies inside the widget instead of being clipped at the edge.
    QPen pen(Theme::accent(), strokeWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({dashLength / strokeWidth, dashLength / strokeWidth});
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    const qreal inset = strokeWidth / 2;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius,
                           cornerRadius);
    painter.drawPath(outline);

    if (FocusRing::isShownOn(this)) {
        const qreal ringInset = strokeWidth + FocusRing::gap;
        FocusRing::paint(painter, this,
                         QRectF(rect()).adjusted(ringInset, ringInset, -ringInset, -ringInset),
                         cornerRadius - ringInset);
    }
}
