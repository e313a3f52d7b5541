#include "app/FrmProvisionUnits.h"

#include "app/BenchSounds.h"
#include "config/DisplayText.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

// The station page: the state line, the counts, a row per unit plugged in and the row buttons.

namespace {
const QString soundsKey = QStringLiteral("provision/sounds");

// What a row remembers of its unit, on its result cell.
constexpr int StateRole = Qt::UserRole;
constexpr int PresentRole = Qt::UserRole + 1;
constexpr int SupersededRole = Qt::UserRole + 2;
// A failure that may have reached the unit: only such a one is the serial's own (see ProvisionTally).
constexpr int ReachedRole = Qt::UserRole + 3;

// Legible from a metre away: at least this many times the body text, more on a taller window.
constexpr double numberScale = 4.0;
constexpr int numberReferenceHeight = 768;

const QColor verifiedText(0x1b, 0x7f, 0x2a);
const QColor verifiedBackground(0xdf, 0xf2, 0xe1);
const QColor failedText(0xb0, 0x1c, 0x1c);
const QColor failedBackground(0xfa, 0xe0, 0xe0);
const QColor goneText(0x80, 0x80, 0x80);

bool isWritten(UnitState state)
{
    return state == UnitState::Verified || state == UnitState::WrittenUnverified;
}

// A failure's reasons come on one line, their lines joined by " / " for the log: shown as flowing sentences. A
// line that begins anew (a capital) after one that did not end a sentence starts a sentence of its own.
QString asSentences(const QString& reasons)
{
    const QStringList lines = reasons.split(QStringLiteral(" / "), Qt::SkipEmptyParts);
    QString text;
    for (const QString& part : lines) {
        const QString line = part.trimmed();
        if (line.isEmpty())
            continue;
        if (!text.isEmpty()) {
            const bool ended = text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!'))
                || text.endsWith(QLatin1Char('?')) || text.endsWith(QLatin1Char(':'));
            if (!ended && line.at(0).isUpper())
                text += QLatin1Char('.');
            text += QLatin1Char(' ');
        }
        text += line;
    }
    return text;
}
} // namespace

void FrmProvisionUnits::buildStationPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("pageStation"));

    m_stationProfile = new QLabel(page);
    m_stationProfile->setObjectName(QStringLiteral("labelStationProfile"));
    // It names files, whose names are never markup.
    m_stationProfile->setTextFormat(Qt::PlainText);
    m_stationProfile->setWordWrap(true);
    m_stateLine = new QLabel(page);
    m_stateLine->setObjectName(QStringLiteral("labelState"));
    m_stateLine->setTextFormat(Qt::PlainText);
    m_stateLine->setWordWrap(true);
    QFont stateFont = m_stateLine->font();
    stateFont.setPointSizeF(QFontInfo(stateFont).pointSizeF() * 1.5);
    stateFont.setBold(true);
    m_stateLine->setFont(stateFont);
    m_counters = new QLabel(page);
    m_counters->setObjectName(QStringLiteral("labelCounters"));
    m_elapsedLabel = new QLabel(page);
    m_elapsedLabel->setObjectName(QStringLiteral("labelElapsed"));
    auto* summary = new QHBoxLayout;
    summary->addWidget(m_counters);
    summary->addStretch();
    summary->addWidget(m_elapsedLabel);

    m_table = new QTableWidget(0, ColumnCount, page);
    m_table->setObjectName(QStringLiteral("tableWidgetUnits"));
    m_table->setAccessibleName(tr("Units"));
    m_table->setHorizontalHeaderLabels({ tr("No."), tr("Device"), tr("Port"), tr("Serial Number"), tr("Model"),
                                         tr("Firmware"), tr("Progress"), tr("Result") });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    // A failure's reason is read as sentences, not cut off at the column's edge.
    m_table->setWordWrap(true);
    m_table->setTextElideMode(Qt::ElideNone);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);

    m_retry = new QPushButton(tr("Try &Again"), page);
    m_retry->setObjectName(QStringLiteral("pushButtonRetry"));
    m_retry->setAccessibleDescription(tr("The selected unit, which failed, is written again"));
    m_sounds = new QCheckBox(tr("Sounds"), page);
    m_sounds->setObjectName(QStringLiteral("checkBoxSounds"));
    m_sounds->setAccessibleDescription(tr("A short sound when a unit is verified and when one fails"));
    m_sounds->setChecked(QSettings().value(soundsKey, true).toBool());
    m_bench = new BenchSounds(this);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_retry);
    rowButtons->addStretch();
    rowButtons->addWidget(m_sounds);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_stationProfile);
    layout->addWidget(m_stateLine);
    layout->addLayout(summary);
    layout->addWidget(m_table, 1);
    layout->addLayout(rowButtons);
    m_pages->addWidget(page);

    connect(m_table, &QTableWidget::itemSelectionChanged, this, &FrmProvisionUnits::refreshRowButtons);
    connect(m_retry, &QPushButton::clicked, this, &FrmProvisionUnits::retrySelected);
    connect(m_sounds, &QCheckBox::toggled, this, [](bool on) { QSettings().setValue(soundsKey, on); });
    refreshRowButtons();
}

int FrmProvisionUnits::rowOf(const QString& device)
{
    for (int row = m_table->rowCount() - 1; row >= 0; --row) {
        if (m_table->item(row, DeviceColumn)->data(Qt::UserRole).toString() == device)
            return row;
    }
    return -1;
}

QString FrmProvisionUnits::resultText(const StationUnit& unit)
{
    // The station numbers a failed unit only while the number it was written with stays its own.
    const auto held = [&unit](const QString& reason) {
        return unitstate::isFailure(unit.state) && unit.number > 0 ? UnitWorker::withHeldNumber(reason, unit.number)
                                                                   : reason;
    };
    if (unit.notStarted)
        return tr("not started: the station was stopping");
    switch (unit.state) {
    case UnitState::Waiting:
    case UnitState::Identifying:
        return tr("waiting");
    case UnitState::Writing:
        return tr("writing");
    case UnitState::Verifying:
        return tr("verifying");
    case UnitState::Verified:
    case UnitState::WrittenUnverified:
    case UnitState::Read:
        return tr("verified");
    case UnitState::Failed:
        return tr("failed: %1").arg(held(asSentences(displayText(unit.detail))));
    case UnitState::AlreadyProvisioned:
        // The log keeps UTC; the installer reads the bench's clock.
        return unit.provisionedOn.isValid()
            ? tr("already provisioned on %1")
                  .arg(QLocale().toString(unit.provisionedOn.toLocalTime(), QLocale::ShortFormat))
            : tr("already provisioned");
    case UnitState::LeftOut:
        return tr("left out");
    case UnitState::Unplugged:
        return held(tr("unplugged before it was verified"));
    }
    return QString();
}

QFont FrmProvisionUnits::numberFont() const
{
    QFont large = m_table->font();
    const double scale = numberScale * qMax(1.0, double(height()) / numberReferenceHeight);
    large.setPointSizeF(QFontInfo(font()).pointSizeF() * scale);
    large.setBold(true);
    return large;
}

void FrmProvisionUnits::showUnit(const StationUnit& unit)
{
    int row = rowOf(unit.device);
    const auto known = m_units.constFind(unit.device);
    const bool earlierPlugIn = known != m_units.constEnd()
        && (known->isFinished() || known->state == UnitState::Unplugged || known->notStarted || !known->present)
        && unit.state == UnitState::Waiting && unit.present;
    const StationUnit before = known != m_units.constEnd() && !earlierPlugIn ? *known : StationUnit {};
    if (row < 0 || earlierPlugIn) {
        // A unit plugged in where another was: a row of its own, the earlier one stays as it ended.
        row = m_table->rowCount();
        m_table->insertRow(row);
        for (int column = 0; column < ColumnCount; ++column) {
            if (column != ProgressColumn)
                m_table->setItem(row, column, new QTableWidgetItem);
        }
        m_table->item(row, DeviceColumn)->setData(Qt::UserRole, unit.device);
        m_table->item(row, NumberColumn)->setFont(numberFont());
        m_table->item(row, NumberColumn)->setTextAlignment(Qt::AlignCenter);
        m_table->scrollToItem(m_table->item(row, DeviceColumn));
    }
    m_units.insert(unit.device, unit);

    m_table->item(row, NumberColumn)->setText(unit.number > 0 ? QString::number(unit.number) : QString());
    // A log that numbered its units numbers the next ones too, unasked.
    if (unit.number > 0)
        m_table->setColumnHidden(NumberColumn, false);
    m_table->item(row, DeviceColumn)->setText(unit.device);
    m_table->item(row, PortColumn)->setText(unit.port);
    // What a unit says is shown as text, its controls escaped.
    m_table->item(row, SerialColumn)->setText(displayText(unit.serialNumber));
    m_table->item(row, SerialColumn)->setData(Qt::UserRole, unit.serialNumber);
    m_table->item(row, ModelColumn)->setText(displayText(unit.model));
    m_table->item(row, FirmwareColumn)->setText(displayText(unit.firmware));
    // A unit that ended without being written has no progress to show: a bar left part-way would look stuck.
    const bool written = isWritten(unit.state);
    QWidget* cell = m_table->cellWidget(row, ProgressColumn);
    if (unit.notStarted || (unit.isFinished() && !written)) {
        m_table->removeCellWidget(row, ProgressColumn);
    } else {
        if (!cell) {
            // Centred at its own height in a row as tall as the number.
            cell = new QWidget(m_table);
            auto* bar = new QProgressBar(cell);
            bar->setRange(0, 100);
            bar->setAccessibleName(tr("Progress of %1").arg(unit.device));
            auto* centred = new QVBoxLayout(cell);
            centred->setContentsMargins(2, 0, 2, 0);
            centred->addWidget(bar, 0, Qt::AlignVCenter);
            m_table->setCellWidget(row, ProgressColumn, cell);
        }
        cell->findChild<QProgressBar*>()->setValue(written ? 100 : unit.percent);
    }
    QTableWidgetItem* result = m_table->item(row, ResultColumn);
    if (!result->data(SupersededRole).toBool())
        result->setText(resultText(unit));
    result->setData(StateRole, int(unit.state));
    result->setData(PresentRole, unit.present);
    result->setData(ReachedRole, unit.setCommandsSent);
    if (unit.state == UnitState::AlreadyProvisioned || unit.detail.isEmpty()) {
        result->setToolTip(QString());
    } else {
        // A tooltip that looks like markup is shown as markup: escaped inside <qt>, it is always the text itself.
        result->setToolTip(QStringLiteral("<qt>%1</qt>").arg(displayText(unit.detail).toHtmlEscaped()));
    }
    paintRow(row);
    countResult(before, unit);
    if (isWritten(unit.state))
        markSuperseded(unit.serialNumber, row);
    sound(before, unit);
    refreshStateLine();
    refreshRowButtons();
}

void FrmProvisionUnits::paintRow(int row)
{
    const QTableWidgetItem* result = m_table->item(row, ResultColumn);
    const auto state = UnitState(result->data(StateRole).toInt());
    const bool superseded = result->data(SupersededRole).toBool();
    // A unit taken away is history: its row greys, whatever its end.
    const bool gone = !result->data(PresentRole).toBool() || superseded;
    QVariant text;
    QVariant background;
    if (gone) {
        text = goneText;
    } else if (isWritten(state)) {
        background = verifiedBackground;
    } else if (unitstate::isFailure(state)) {
        background = failedBackground;
    }
    for (int column = 0; column < ColumnCount; ++column) {
        if (QTableWidgetItem* item = m_table->item(row, column)) {
            item->setData(Qt::ForegroundRole, text);
            item->setData(Qt::BackgroundRole, background);
        }
    }
    // The result keeps its colour on a unit taken away: a failed one still needs doing.
    if (!superseded && isWritten(state))
        m_table->item(row, ResultColumn)->setForeground(verifiedText);
    else if (!superseded && unitstate::isFailure(state))
        m_table->item(row, ResultColumn)->setForeground(failedText);
}

void FrmProvisionUnits::markSuperseded(const QString& serial, int currentRow)
{
    if (serial.isEmpty())
        return;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QTableWidgetItem* result = m_table->item(row, ResultColumn);
        if (row == currentRow || m_table->item(row, SerialColumn)->data(Qt::UserRole).toString() != serial
            || !unitstate::isFailure(UnitState(result->data(StateRole).toInt())) || !result->data(ReachedRole).toBool()
            || result->data(SupersededRole).toBool())
            continue;
        result->setData(SupersededRole, true);
        result->setText(tr("superseded: verified on a later plug-in (here: %1)").arg(result->text()));
        paintRow(row);
    }
}

void FrmProvisionUnits::countResult(const StationUnit& before, const StationUnit& after)
{
    if (before.state == after.state)
        return;
    // Tried again after an end counted by itself: that end no longer counts. One counted by its serial is replaced
    // by the serial's next result.
    const auto countedAlone = [](const StationUnit& unit) {
        return unit.serialNumber.isEmpty() || (unitstate::isFailure(unit.state) && !unit.setCommandsSent);
    };
    if (before.isFinished() && countedAlone(before))
        m_tally.remove(before.state);
    if (after.isFinished())
        m_tally.add(after.serialNumber, after.state, after.setCommandsSent);
    refreshCounters();
}

void FrmProvisionUnits::sound(const StationUnit& before, const StationUnit& after)
{
    if (before.state == after.state || !m_sounds->isChecked())
        return;
    if (isWritten(after.state))
        m_bench->play(BenchSounds::verified());
    else if (unitstate::isFailure(after.state))
        m_bench->play(BenchSounds::failed());
}

int FrmProvisionUnits::unitsInFlight() const
{
    if (!m_station)
        return 0;
    int units = 0;
    for (const StationUnit& unit : m_units) {
        if (!unit.isFinished() && !unit.notStarted)
            ++units;
    }
    return units;
}

void FrmProvisionUnits::refreshStateLine()
{
    const int units = unitsInFlight();
    const QString writing = units == 1 ? tr("1 unit being written") : tr("%1 units being written").arg(units);
    if (!m_station)
        m_stateLine->setText(m_stopReason.isEmpty() ? tr("Stopped") : tr("Stopped: %1").arg(m_stopReason));
    else if (m_stopping)
        m_stateLine->setText(units == 0 ? tr("Stopping") : tr("Stopping: %1").arg(writing));
    else
        m_stateLine->setText(units == 0 ? tr("Waiting for units — plug them in") : writing);
}

void FrmProvisionUnits::refreshCounters()
{
    m_counters->setText(tr("Verified: %1    Failed: %2    Skipped: %3")
                            .arg(m_tally.written())
                            .arg(m_tally.failed())
                            .arg(m_tally.skipped()));
}

void FrmProvisionUnits::refreshElapsed()
{
    const qint64 seconds = m_elapsed.isValid() ? m_elapsed.elapsed() / 1000 : 0;
    m_elapsedLabel->setText(tr("Elapsed: %1:%2:%3")
                                .arg(seconds / 3600)
                                .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

QString FrmProvisionUnits::selectedDevice() const
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty())
        return QString();
    const int row = selected.constFirst()->row();
    // Only the latest row of a node is the unit there now.
    for (int later = row + 1; later < m_table->rowCount(); ++later) {
        if (m_table->item(later, DeviceColumn)->data(Qt::UserRole)
            == m_table->item(row, DeviceColumn)->data(Qt::UserRole))
            return QString();
    }
    return m_table->item(row, DeviceColumn)->data(Qt::UserRole).toString();
}

void FrmProvisionUnits::refreshRowButtons()
{
    const QString device = selectedDevice();
    const auto unit = m_units.constFind(device);
    const bool active = m_station && !m_stopping && unit != m_units.constEnd();
    m_retry->setEnabled(active && unit->state == UnitState::Failed && unit->present);
}

void FrmProvisionUnits::retrySelected()
{
    const QString device = selectedDevice();
    if (m_station && !device.isEmpty())
        m_station->retry(device);
}
