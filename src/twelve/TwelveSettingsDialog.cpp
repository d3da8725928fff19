#include "TwelveSettingsDialog.h"

#include "FormParts.h"
#include "QuestionDialog.h"
#include "TwelveSettingsHost.h"
#include "TwelveSliderScale.h"
#include "WindowCentre.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

TwelveSettingsDialog *twelveSettingsDialog = nullptr;

namespace {

constexpr QSize ClientSize{416, 305};

constexpr QRect LeftPanelRect{8, 8, 271, 249};
constexpr QRect FastDrawRect{10, 17, 187, 17};
constexpr int SpeedLabelLeft = 12;
constexpr int SpeedSliderLeft = 117;
constexpr QSize SpeedSliderSize{149, 33};
// The label sits this much lower than its slider, level with the groove.
constexpr int SpeedLabelDrop = 9;
constexpr QPoint ScoringLabelAt{12, 203};
constexpr QSize RadioSize{17, 17};
constexpr QPoint SimpleRadioAt{140, 201};
constexpr QPoint SimpleLabelAt{124, 217};
constexpr QPoint AverageRadioAt{222, 201};
constexpr QPoint AverageLabelAt{204, 217};

constexpr QRect RightPanelRect{288, 8, 120, 249};
constexpr QPoint DifficultyLabelAt{16, 9};
constexpr QRect DifficultySpinRect{69, 7, 37, 26};
constexpr QRect DifficultySliderRect{14, 32, 27, 209};
constexpr int LevelLabelLeft = 44;

constexpr int PanelHeight = 40;
constexpr QSize ButtonSize{75, 24};
constexpr QPoint OkAt{208, 9};
constexpr QPoint CancelAt{112, 9};

// Difficulty and scoring change during a game only with a new one.
QString restartQuestion(const QString &setting)
{
    return QStringLiteral("While playing you can't change %1.\nTo change it start a new game.\n"
                          "Do you want to change it and start a new game?")
        .arg(setting);
}

const QString DifficultyQuestion = restartQuestion(QStringLiteral("difficulty level"));
const QString ScoringQuestion = restartQuestion(QStringLiteral("scoring system"));

QSlider *slider(Qt::Orientation orientation, SliderRange range, int pageStep, QRect place,
                QWidget *parent)
{
    auto *bar = new QSlider(orientation, parent);
    bar->setRange(range.Lowest, range.Highest);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    bar->setGeometry(place);
    return bar;
}

QRadioButton *radioAt(QPoint at, QWidget *parent)
{
    auto *radio = new QRadioButton(parent);
    radio->setGeometry(QRect(at, RadioSize));
    return radio;
}

}

TwelveSettingsDialog::TwelveSettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Twelve - Settings"));
    setModal(true);
    setFixedSize(ClientSize);

    // Made in the order Tab should visit them.
    buildLeftPanel();
    buildRightPanel();

    const ButtonStrip strip = okCancelStrip(this, {PanelHeight, ButtonSize, OkAt, CancelAt});
    buttonPanel = strip.panel;
    okButton = strip.ok;
    cancelButton = strip.cancel;
    connect(okButton, &QPushButton::clicked, this, &TwelveSettingsDialog::okClicked);
}

void TwelveSettingsDialog::buildLeftPanel()
{
    leftPanel = raisedPanel(LeftPanelRect, this);
    fastDrawBox = new QCheckBox(QStringLiteral("Faster (but with flickering)"), leftPanel);
    fastDrawBox->setLayoutDirection(Qt::RightToLeft); // the text left of the box
    fastDrawBox->setGeometry(FastDrawRect);

    struct SpeedRow
    {
        QSlider *&bar;
        const char *caption;
        int top;
        SliderRange range;
        int pageStep;
    };
    const SpeedRow rows[] = {{moveSpeedSlider, "Moving speed", 57, MoveStepRange, 1},
                             {turnSpeedSlider, "Rotation speed", 105, TurnStepRange, 1},
                             {bidSpeedSlider, "Bidding speed", 153, BidDelayRange, 7}};
    for (const SpeedRow &row : rows) {
        labelAt(QString::fromLatin1(row.caption), {SpeedLabelLeft, row.top + SpeedLabelDrop},
                leftPanel);
        row.bar = slider(Qt::Horizontal, row.range, row.pageStep,
                         QRect({SpeedSliderLeft, row.top}, SpeedSliderSize), leftPanel);
    }

    labelAt(QStringLiteral("Scoring"), ScoringLabelAt, leftPanel);
    simpleScoringButton = radioAt(SimpleRadioAt, leftPanel);
    averageScoringButton = radioAt(AverageRadioAt, leftPanel);
    labelAt(QStringLiteral("Simple"), SimpleLabelAt, leftPanel);
    labelAt(QStringLiteral("Average"), AverageLabelAt, leftPanel);
    simpleScoringButton->setChecked(true);
}

void TwelveSettingsDialog::buildRightPanel()
{
    rightPanel = raisedPanel(RightPanelRect, this);
    QLabel *difficulty = labelAt(QStringLiteral("Difficulty"), DifficultyLabelAt, rightPanel);
    levelBox = new QSpinBox(rightPanel);
    levelBox->setGeometry(DifficultySpinRect);
    levelBox->setRange(DifficultyRange.Lowest - 1, DifficultyRange.Highest - 1);
    difficulty->setBuddy(levelBox);

    levelSlider = slider(Qt::Vertical, DifficultyRange, 1, DifficultySliderRect, rightPanel);
    // The easiest level at the top; Up moves towards it.
    levelSlider->setInvertedAppearance(true);
    levelSlider->setInvertedControls(true);
    const std::pair<const char *, int> levels[]
        = {{"Very easy", 36}, {"Easy", 98}, {"Hard", 160}, {"Very hard", 222}};
    for (const auto &[caption, top] : levels)
        labelAt(QString::fromLatin1(caption), {LevelLabelLeft, top}, rightPanel);

    // Each side moves only on a real change of the other, so the pair settles at once.
    connect(levelSlider, &QSlider::valueChanged, levelBox,
            [this](int position) { levelBox->setValue(position - 1); });
    connect(levelBox, &QSpinBox::valueChanged, levelSlider,
            [this](int level) { levelSlider->setValue(level + 1); });
    levelBox->setValue(levelSlider->value() - 1);
}

void TwelveSettingsDialog::ShowSettings(TwelveSettingsHost &target)
{
    const TwelveSpeeds &speeds = target.speeds();
    moveSpeedSlider->setValue(positionOfStep(speeds.MoveStep, MoveStepRange));
    turnSpeedSlider->setValue(positionOfStep(speeds.TurnStep, TurnStepRange));
    bidSpeedSlider->setValue(positionOfBidDelay(speeds.BidDelay));
    const TwelveGame &game = target.game();
    levelSlider->setValue(positionOfDifficulty(game.Difficulty));
    (game.ScoringMode == SimpleScoring ? simpleScoringButton : averageScoringButton)
        ->setChecked(true);

    host = &target;
    exec();
    host = nullptr;
}

void TwelveSettingsDialog::okClicked()
{
    if (host)
        applyConfirmedSettings(*host);
    accept();
}

// Speeds and drawing mode apply at once; difficulty and scoring during a game only with a new
// game the player agreed to.
void TwelveSettingsDialog::applyConfirmedSettings(TwelveSettingsHost &target)
{
    target.setFastDraw(fastDrawBox->isChecked());
    TwelveSpeeds &speeds = target.speeds();
    speeds.MoveStep = stepAtPosition(moveSpeedSlider->value());
    speeds.TurnStep = stepAtPosition(turnSpeedSlider->value());
    speeds.BidDelay = bidDelayAtPosition(bidSpeedSlider->value());

    TwelveGame &game = target.game();
    const bool inProgress = target.gameInProgress();
    bool restart = false;
    if (inProgress && levelSlider->value() != 2.0 * game.Difficulty) {
        if (AskYesCancel(DifficultyQuestion) != 'Y')
            return;
        restart = true;
    }
    game.Difficulty = difficultyAtPosition(levelSlider->value());

    const int scoring = simpleScoringButton->isChecked() ? SimpleScoring : AverageScoring;
    if (inProgress && !restart && scoring != game.ScoringMode) {
        if (AskYesCancel(ScoringQuestion) != 'Y')
            return;
        restart = true;
    }
    game.ScoringMode = scoring;

    if (restart)
        target.NewGame();
}

void TwelveSettingsDialog::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
