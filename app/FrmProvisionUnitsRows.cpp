#include "app/FrmProvisionUnits.h"

#include "config/DisplayText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

// The station page: a row per unit plugged in, the counts and the row buttons.

void FrmProvisionUnits::buildStationPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("pageStation"));

    m_stationProfile = new QLabel(page);
    m_stationProfile->setObjectName(QStringLiteral("labelStationProfile"));
    // It names files, whose names are never markup.
    m_stationProfile->setTextFormat(Qt::PlainText);
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
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);

    m_leaveOut = new QPushButton(tr("Leave &Out"), page);
    m_leaveOut->setObjectName(QStringLiteral("pushButtonLeaveOut"));
    m_leaveOut->setAccessibleDescription(tr("The selected unit is not written (the reference unit)"));
    m_retry = new QPushButton(tr("Try &Again"), page);
    m_retry->setObjectName(QStringLiteral("pushButtonRetry"));
    m_retry->setAccessibleDescription(tr("The selected unit, which failed, is written again"));
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_leaveOut);
    rowButtons->addWidget(m_retry);
    rowButtons->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_stationProfile);
    layout->addLayout(summary);
    layout->addWidget(m_table, 1);
    layout->addLayout(rowButtons);
    m_pages->addWidget(page);

    connect(m_table, &QTableWidget::itemSelectionChanged, this, &FrmProvisionUnits::refreshRowButtons);
    connect(m_leaveOut, &QPushButton::clicked, this, &FrmProvisionUnits::leaveOutSelected);
    connect(m_retry, &QPushButton::clicked, this, &FrmProvisionUnits::retrySelected);
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
        return tr("failed: %1").arg(held(displayText(unit.detail)));
    case UnitState::AlreadyProvisioned:
        return tr("already provisioned");
    case UnitState::LeftOut:
        return tr("left out");
    case UnitState::Unplugged:
        return held(tr("unplugged before it was verified"));
    }
    return QString();
}

void FrmProvisionUnits::showUnit(const StationUnit& unit)
{
    int row = rowOf(unit.device);
    const auto known = m_units.constFind(unit.device);
    const bool earlierPlugIn = known != m_units.constEnd()
        && (known->isFinished() || known->state == UnitState::Unplugged) && unit.state == UnitState::Waiting;
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
        QFont large = m_table->font();
        large.setPointSizeF(large.pointSizeF() * 2);
        large.setBold(true);
        m_table->item(row, NumberColumn)->setFont(large);
        m_table->item(row, NumberColumn)->setTextAlignment(Qt::AlignCenter);
        auto* bar = new QProgressBar(m_table);
        bar->setRange(0, 100);
        bar->setAccessibleName(tr("Progress of %1").arg(unit.device));
        m_table->setCellWidget(row, ProgressColumn, bar);
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
    m_table->item(row, ModelColumn)->setText(displayText(unit.model));
    m_table->item(row, FirmwareColumn)->setText(displayText(unit.firmware));
    const int percent = unit.state == UnitState::Verified ? 100 : unit.percent;
    static_cast<QProgressBar*>(m_table->cellWidget(row, ProgressColumn))->setValue(percent);
    QTableWidgetItem* result = m_table->item(row, ResultColumn);
    result->setText(resultText(unit));
    // A tooltip that looks like markup is shown as markup: escaped inside <qt>, it is always the text itself.
    result->setToolTip(unit.detail.isEmpty()
                           ? QString()
                           : QStringLiteral("<qt>%1</qt>").arg(displayText(unit.detail).toHtmlEscaped()));
    switch (unit.state) {
    case UnitState::Verified:
        result->setForeground(QColor(0x1b, 0x7f, 0x2a));
        break;
    case UnitState::Failed:
    case UnitState::Unplugged:
        result->setForeground(QColor(0xb0, 0x1c, 0x1c));
        break;
    default:
        result->setData(Qt::ForegroundRole, QVariant());
        break;
    }
    countResult(before, unit);
    refreshRowButtons();
}

void FrmProvisionUnits::countResult(const StationUnit& before, const StationUnit& after)
{
    if (before.state == after.state)
        return;
    // A failed unit tried again is counted by its new result.
    m_tally.remove(before.state);
    m_tally.add(after.state);
    refreshCounters();
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
    m_leaveOut->setEnabled(active && (unit->state == UnitState::Waiting || unit->state == UnitState::Identifying));
    m_retry->setEnabled(active && unit->state == UnitState::Failed);
}

void FrmProvisionUnits::leaveOutSelected()
{
    const QString device = selectedDevice();
    if (m_station && !device.isEmpty())
        m_station->leaveOut(device);
}

void FrmProvisionUnits::retrySelected()
{
    const QString device = selectedDevice();
    if (m_station && !device.isEmpty())
        m_station->retry(device);
}
