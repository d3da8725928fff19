#include "u12Beall.h"

#include "FormParts.h"
#include "TwelveSettingsHost.h"
#include "TwelveSliderScale.h"
#include "WindowCentre.h"
#include "uValasz.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

Tfrm12Beall *frm12Beall = nullptr;

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

Tfrm12Beall::Tfrm12Beall(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Twelve - Settings"));
    setModal(true);
    setFixedSize(ClientSize);

    // Made in the order Tab should visit them.
    buildLeftPanel();
    buildRightPanel();

    const ButtonStrip strip = okCancelStrip(this, {PanelHeight, ButtonSize, OkAt, CancelAt});
    pnlGombok = strip.panel;
    bbtnOk = strip.ok;
    bbtnMegsem = strip.cancel;
    connect(bbtnOk, &QPushButton::clicked, this, &Tfrm12Beall::bbtnOkClick);
}

void Tfrm12Beall::buildLeftPanel()
{
    pnlBal = raisedPanel(LeftPanelRect, this);
    chbGyors = new QCheckBox(QStringLiteral("Faster (but with flickering)"), pnlBal);
    chbGyors->setLayoutDirection(Qt::RightToLeft); // the text left of the box
    chbGyors->setGeometry(FastDrawRect);

    struct SpeedRow
    {
        QSlider *&bar;
        const char *caption;
        int top;
        SliderRange range;
        int pageStep;
    };
    const SpeedRow rows[] = {{trbMozgSeb, "Moving speed", 57, MoveStepRange, 1},
                             {trbFordSeb, "Rotation speed", 105, TurnStepRange, 1},
                             {trbLicitSeb, "Bidding speed", 153, BidDelayRange, 7}};
    for (const SpeedRow &row : rows) {
        labelAt(QString::fromLatin1(row.caption), {SpeedLabelLeft, row.top + SpeedLabelDrop},
                pnlBal);
        row.bar = slider(Qt::Horizontal, row.range, row.pageStep,
                         QRect({SpeedSliderLeft, row.top}, SpeedSliderSize), pnlBal);
    }

    labelAt(QStringLiteral("Scoring"), ScoringLabelAt, pnlBal);
    rbEgysz = radioAt(SimpleRadioAt, pnlBal);
    rbAtlag = radioAt(AverageRadioAt, pnlBal);
    labelAt(QStringLiteral("Simple"), SimpleLabelAt, pnlBal);
    labelAt(QStringLiteral("Average"), AverageLabelAt, pnlBal);
    rbEgysz->setChecked(true);
}

void Tfrm12Beall::buildRightPanel()
{
    pnlJobb = raisedPanel(RightPanelRect, this);
    QLabel *difficulty = labelAt(QStringLiteral("Difficulty"), DifficultyLabelAt, pnlJobb);
    seOkos = new QSpinBox(pnlJobb);
    seOkos->setGeometry(DifficultySpinRect);
    seOkos->setRange(DifficultyRange.Lowest - 1, DifficultyRange.Highest - 1);
    difficulty->setBuddy(seOkos);

    trbOkos = slider(Qt::Vertical, DifficultyRange, 1, DifficultySliderRect, pnlJobb);
    // The easiest level at the top; Up moves towards it.
    trbOkos->setInvertedAppearance(true);
    trbOkos->setInvertedControls(true);
    const std::pair<const char *, int> levels[]
        = {{"Very easy", 36}, {"Easy", 98}, {"Hard", 160}, {"Very hard", 222}};
    for (const auto &[caption, top] : levels)
        labelAt(QString::fromLatin1(caption), {LevelLabelLeft, top}, pnlJobb);

    // Each side moves only on a real change of the other, so the pair settles at once.
    connect(trbOkos, &QSlider::valueChanged, seOkos,
            [this](int position) { seOkos->setValue(position - 1); });
    connect(seOkos, &QSpinBox::valueChanged, trbOkos,
            [this](int level) { trbOkos->setValue(level + 1); });
    seOkos->setValue(trbOkos->value() - 1);
}

void Tfrm12Beall::ShowSettings(TwelveSettingsHost &target)
{
    const TwelveSpeeds &speeds = target.speeds();
    trbMozgSeb->setValue(positionOfStep(speeds.MoveStep, MoveStepRange));
    trbFordSeb->setValue(positionOfStep(speeds.TurnStep, TurnStepRange));
    trbLicitSeb->setValue(positionOfBidDelay(speeds.BidDelay));
    const TwelveGame &game = target.game();
    trbOkos->setValue(positionOfDifficulty(game.Difficulty));
    (game.ScoringMode == SimpleScoring ? rbEgysz : rbAtlag)->setChecked(true);

    host = &target;
    exec();
    host = nullptr;
}

void Tfrm12Beall::bbtnOkClick()
{
    if (host)
        applyConfirmedSettings(*host);
    accept();
}

// Speeds and drawing mode apply at once; difficulty and scoring during a game only with a new
// game the player agreed to.
void Tfrm12Beall::applyConfirmedSettings(TwelveSettingsHost &target)
{
    target.setFastDraw(chbGyors->isChecked());
    TwelveSpeeds &speeds = target.speeds();
    speeds.MoveStep = stepAtPosition(trbMozgSeb->value());
    speeds.TurnStep = stepAtPosition(trbFordSeb->value());
    speeds.BidDelay = bidDelayAtPosition(trbLicitSeb->value());

    TwelveGame &game = target.game();
    const bool inProgress = target.gameInProgress();
    bool restart = false;
    if (inProgress && trbOkos->value() != 2.0 * game.Difficulty) {
        if (AskYesCancel(DifficultyQuestion) != 'Y')
            return;
        restart = true;
    }
    game.Difficulty = difficultyAtPosition(trbOkos->value());

    const int scoring = rbEgysz->isChecked() ? SimpleScoring : AverageScoring;
    if (inProgress && !restart && scoring != game.ScoringMode) {
        if (AskYesCancel(ScoringQuestion) != 'Y')
            return;
        restart = true;
    }
    game.ScoringMode = scoring;

    if (restart)
        target.NewGame();
}

void Tfrm12Beall::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
