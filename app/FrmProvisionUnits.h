#pragma once

#include "app/FormSource.h"
#include "config/Tavrin2QtCfg.h"
#include "provisioning/ProvisionTally.h"
#include "provisioning/Station.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class BenchSounds;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTimer;
class QUrl;

// Tools > Provision Units: chooses the profile (the form's settings or a configuration file), the log
// and the numbering, then runs a station and shows one row per unit until the station stops. While it
// runs the station owns every unit: runningChanged tells the window to keep away from them.
class FrmProvisionUnits : public QDialog
{
    Q_OBJECT

public:
    FrmProvisionUnits(const Tavrin2QtCfg& formSettings, QWidget* parent = nullptr);
    ~FrmProvisionUnits() override;

    using StationFactory = std::function<std::unique_ptr<Station>(const ProvisionSettings&)>;
    // The stations Start creates; tests give their own. Empty: the product's.
    static void setStationFactory(StationFactory factory);

    // The form's settings were read, loaded, edited or never touched; a new dialog assumes the last.
    void setFormSource(const FormSource& source);

    using UrlOpener = std::function<bool(const QUrl&)>;
    // Open Log and Open Folder hand their address here; tests observe it. Empty: the desktop's handler.
    static void setUrlOpener(UrlOpener opener);

    bool isRunning() const { return m_station != nullptr; }
    // Stops the station and waits for the units in flight to end, their rows written (the session ending).
    void finishUnitsInFlight();

    // The columns of the units' table.
    enum Column
    {
        NumberColumn,
        DeviceColumn,
        PortColumn,
        SerialColumn,
        ModelColumn,
        FirmwareColumn,
        ProgressColumn,
        ResultColumn,
        ColumnCount
    };

    // The row texts of a unit's state, as the dialog shows them.
    static QString resultText(const StationUnit& unit);
    // Why the dialog or the window stays open while units are written.
    static QString pressStopFirstText(int units);

    // The units being written now (none while the station only waits).
    int unitsInFlight() const;
    // Stopping at once (a second stop signal): the units in flight are logged failed, their rows say so, the
    // station is gone. Returns the units left unverified, each as "node serial".
    QStringList stopAtOnce();

signals:
    void runningChanged(bool running);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildSetupPage();
    void buildStationPage();
    void chooseProfileFile();
    void chooseLogFile();
    void refreshStartButton();
    void start();
    void stop();
    void stationStopped();
    void showUnit(const StationUnit& unit);
    int rowOf(const QString& device);
    void countResult(const StationUnit& before, const StationUnit& after);
    static QString refusalText(const ProfileRefusal& refusal);
    void refreshCounters();
    void refreshElapsed();
    void refreshRowButtons();
    QString selectedDevice() const;
    void retrySelected();
    QString profileSummary(const Tavrin2QtCfg& profile) const;
    QString formSourceText() const;
    // The profile's model, source and key values, the hash as a detail.
    QString profileDetails(const Tavrin2QtCfg& profile, const QString& source) const;
    bool loadProfileFile(const QString& fileName, QString& error);
    void openLastProfile();
    // The log's name as typed, a relative one in the folder last used.
    QString resolvedLogPath() const;
    void refreshLogNote();
    void refreshNumberNote();
    QStringList leaveOutEntries() const;
    void refreshLeaveOutNote();
    void refreshLogButtons();
    void refreshStationHeader();
    QLayout* logButtons();
    // The log of the station that ran, else the one chosen.
    QString logShown() const;
    void refreshFormDetails();
    static QLabel* plainLabel(const QString& objectName, QWidget* parent);
    // What the next set-up opens on: this log, and the profile file or the form.
    void rememberChoices(const QString& logPath);

    Tavrin2QtCfg m_formSettings;
    std::unique_ptr<Tavrin2QtCfg> m_fileProfile;
    QString m_profileFile;
    std::unique_ptr<Station> m_station;
    bool m_stopping = false;
    QHash<QString, StationUnit> m_units;
    ProvisionTally m_tally;
    QElapsedTimer m_elapsed;
    QTimer* m_clock = nullptr;

    QStackedWidget* m_pages = nullptr;
    QRadioButton* m_useForm = nullptr;
    QRadioButton* m_useFile = nullptr;
    QLabel* m_formSummary = nullptr;
    QLineEdit* m_profileEdit = nullptr;
    QPushButton* m_chooseProfile = nullptr;
    QLineEdit* m_logEdit = nullptr;
    QPushButton* m_chooseLog = nullptr;
    QCheckBox* m_numberUnits = nullptr;
    QSpinBox* m_numberFrom = nullptr;
    QLineEdit* m_leaveOutEdit = nullptr;
    QLabel* m_stationProfile = nullptr;
    QLabel* m_counters = nullptr;
    QLabel* m_elapsedLabel = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_retry = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_close = nullptr;
    FormSource m_formSource;
    QLabel* m_formDetails = nullptr;
    QLabel* m_formWarning = nullptr;
    QLabel* m_fileDetails = nullptr;
    QLabel* m_logNote = nullptr;
    QLabel* m_numberNote = nullptr;
    QLabel* m_leaveOutNote = nullptr;
    QPushButton* m_openLog = nullptr;
    QPushButton* m_openFolder = nullptr;
    // Whether the log chosen can take the station's rows, and the highest number its units hold.
    bool m_logUsable = false;
    int m_logHighestNumber = 0;
    bool m_leaveOutUsable = true;
    QString m_stationLogPath;
    // The running station's profile name and summary, its log beside them.
    QStringList m_stationHeader;

    // The running page's bench view.
    void refreshStateLine();
    // Whether the window may close now: while units are in flight the installer is told to press Stop first;
    // otherwise the station is stopped and the dialog closes once it has.
    bool mayClose();
    void markSuperseded(const QString& serial, int currentRow);
    void paintRow(int row);
    void sound(const StationUnit& before, const StationUnit& after);
    QFont numberFont() const;
    QLabel* m_stateLine = nullptr;
    QCheckBox* m_sounds = nullptr;
    BenchSounds* m_bench = nullptr;
    // Why the station stopped by itself; empty after Stop.
    QString m_stopReason;
    bool m_closeWhenStopped = false;
};
