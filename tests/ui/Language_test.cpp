#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <memory>

#include "CaseName.h"
#include "engine/Choices.h"
#include "support/FindControl.h"
#include "app/WindowDesign.h"
#include "ui/guide/GuideResource.h"
#include "ui/language/Language.h"
#include "ui/language/ShownText.h"
#include "ui/magnification/FontPlan.h"
#include "ui/magnification/Magnifier.h"
#include "ui/magnification/Zoom.h"
#include "ui/window/MainWindow.h"

namespace quorvane::testing {
namespace {

constexpr std::array kLanguages{"de", "fr", "es", "pt_BR", "zh_CN"};

// The program's catalogue for one language, installed for the test's length.
class Spoken {
public:
    explicit Spoken(const QString& language)
    {
        loaded_ = translator_.load(QStringLiteral(":/i18n/quorvane_") + language);
        QCoreApplication::installTranslator(&translator_);
        QLocale::setDefault(QLocale(language));
    }
    ~Spoken()
    {
        QCoreApplication::removeTranslator(&translator_);
        QLocale::setDefault(QLocale::c());
    }
    bool Loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

std::array<QFont, 3> PlannedFonts(const QStyle& style)
{
    const FontPlan plan(ControlDesigns(), style);
    return {plan.font(FontClass::Small), plan.font(FontClass::Medium), plan.font(FontClass::Large)};
}

// The first list text wider than the field beside the arrow, where the closed
// list shows it; empty when all fit.
QString ListOverflow(const QComboBox& list, int slack)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.rect = list.rect();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    for (int item = 0; item < list.count(); ++item)
        if (list.fontMetrics().horizontalAdvance(list.itemText(item)) > field.width() + slack)
            return list.itemText(item);
    return {};
}

QString Caption(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

class EachLanguage : public ::testing::TestWithParam<const char*> {};

TEST_P(EachLanguage, EveryCaptionAndListTextFitsAtEveryZoomStepWithTheDesignFonts)
{
    MainWindow english;
    const auto englishFonts = PlannedFonts(*english.style());
    Spoken language(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(language.Loaded());
    MainWindow form;
    // A word too long for its box would make the plan pick a smaller size.
    const auto fonts = PlannedFonts(*form.style());
    for (std::size_t font = 0; font < fonts.size(); ++font)
        EXPECT_EQ(fonts[font].pointSizeF(), englishFonts[font].pointSizeF()) << "font class " << font;
    for (const double step : kZoomSteps) {
        form.magnifier().setZoom(step);
        const QSize slack(step == 1.0 ? 0 : kMagnifiedSlack, 0);
        for (const ControlDesign& design : ControlDesigns()) {
            const QWidget& control = Find<QWidget>(form, QString::fromUtf8(design.name.data()));
            if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
                EXPECT_EQ(ListOverflow(*list, slack.width()).toStdString(), "") << design.name << " at " << step;
                continue;
            }
            // The pause button shows its paused caption in the same box.
            QStringList captions{Caption(control)};
            if (design.name == "pauseButton")
                captions << shownText(Key(PauseState::paused));
            for (const QString& caption : captions)
                EXPECT_TRUE(captionFits(design.kind, control.size() + slack, caption, control.font(),
                                        *control.style()))
                    << design.name << " \"" << caption.toStdString() << "\" at " << step;
        }
    }
}

// Only a translation takes a size of its own: in English every control
// keeps its class's size, so the window stays as it always was.
TEST(English, EveryControlKeepsItsClassFont)
{
    MainWindow form;
    const FontPlan plan(ControlDesigns(), *form.style());
    for (const ControlDesign& design : ControlDesigns()) {
        if (design.font != FontClass::None) {
            EXPECT_EQ(Find<QWidget>(form, QString::fromUtf8(design.name.data())).font(), plan.font(design.font))
                << design.name;
        }
    }
}

TEST_P(EachLanguage, TheEngineReadsKeysWhateverTheListsAndButtonShow)
{
    Spoken language(QString::fromLatin1(GetParam()));
    MainWindow form;
    auto& messages = Find<QComboBox>(form, "messageTypeList");
    auto& schemes = Find<QComboBox>(form, "schemeList");
    auto& pause = Find<QPushButton>(form, "pauseButton");
    EXPECT_NE(messages.itemText(1), QString::fromUtf8(Key(MessageType::whiteNoise).data())) << "translated";
    messages.setCurrentIndex(1);
    schemes.setCurrentIndex(2);
    EXPECT_EQ(form.panel().ChosenMessageType(), MessageType::whiteNoise);
    EXPECT_EQ(form.panel().ChosenScheme(), Scheme::fm);

    const QString running = pause.text();
    pause.click();
    EXPECT_EQ(form.panel().ShownPauseState(), PauseState::paused);
    EXPECT_NE(pause.text(), running);
    pause.click();
    EXPECT_EQ(form.panel().ShownPauseState(), PauseState::running);
    EXPECT_EQ(pause.text(), running);
}

INSTANTIATE_TEST_SUITE_P(Languages, EachLanguage, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param); });

// The controls the guide names in bold: every bold text but the list items'
// headings, which end in a full stop, and the terms that the third section,
// on bins, defines.
QStringList NamedControls(const QString& guide)
{
    QStringList sections = guide.split(QStringLiteral("\n## "));
    sections.removeAt(3);
    const QRegularExpression bold(QStringLiteral(R"(\*\*([^*]+)\*\*)"));
    QStringList names;
    for (const auto& match : bold.globalMatch(sections.join(QLatin1Char('\n')))) {
        const QString name = match.captured(1).simplified();
        if (!name.endsWith(QLatin1Char('.')) && !name.endsWith(QChar(0x3002)))
            names << name;
    }
    return names;
}

class EachGuide : public ::testing::TestWithParam<const char*> {};

// A class told to press "Carrier Frequency" looks for a label that is not
// there: the guide has to use the window's own words.
TEST_P(EachGuide, NamesOnlyCaptionsTheWindowShows)
{
    Spoken language(QString::fromLatin1(GetParam()));
    MainWindow form;
    QStringList shown{shownText(Key(PauseState::paused))};
    for (const ControlDesign& design : ControlDesigns())
        shown << Caption(Find<QWidget>(form, QString::fromUtf8(design.name.data())));
    const QStringList named = NamedControls(guideText());
    EXPECT_GE(named.size(), 9);
    for (const QString& name : named)
        EXPECT_TRUE(shown.contains(name)) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, EachGuide, ::testing::Values("en", "de", "fr", "es", "pt_BR", "zh_CN"),
                         [](const auto& info) { return std::string(info.param); });

struct NumberCase {
    const char* name;
    const char* language;
    QString boxText;  // the message frequency one step right of its start
};

class Numbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(Numbers, FrequencyBoxUsesTheLanguagesDecimalSeparator)
{
    Spoken language(QString::fromLatin1(GetParam().language));
    MainWindow form;
    auto& bar = Find<QScrollBar>(form, "messageFrequencyBar");
    bar.setValue(bar.value() + 1);
    EXPECT_EQ(Find<QLineEdit>(form, "messageFrequencyBox").text(), GetParam().boxText);
}

INSTANTIATE_TEST_SUITE_P(Languages, Numbers,
                         ::testing::Values(NumberCase{"German", "de", " 5,1"},
                                           NumberCase{"French", "fr", " 5,1"},
                                           NumberCase{"Spanish", "es", " 5,1"},
                                           NumberCase{"Portuguese", "pt_BR", " 5,1"},
                                           NumberCase{"Chinese", "zh_CN", " 5.1"}),
                         CaseName{});

struct NumberLocaleCase {
    const char* name;
    const char* spoken;
    QString numeric;
    QString expected;
};

class NumberLocales : public ::testing::TestWithParam<NumberLocaleCase> {};

TEST_P(NumberLocales, NumbersFollowTheSpokenLanguageUnlessTheSystemSpeaksItToo)
{
    const NumberLocaleCase& c = GetParam();
    EXPECT_EQ(numberLocale(QLocale(QString::fromLatin1(c.spoken)), c.numeric).name(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, NumberLocales,
    ::testing::Values(NumberLocaleCase{"CLocale", "de", "C.UTF-8", "de_DE"},
                      NumberLocaleCase{"Unset", "fr", "", "fr_FR"},
                      NumberLocaleCase{"OtherLanguage", "es", "en_US.UTF-8", "es_ES"},
                      NumberLocaleCase{"SameLanguageOtherCountry", "de", "de_CH.UTF-8", "de_CH"},
                      NumberLocaleCase{"WithModifier", "de", "de_AT.UTF-8@euro", "de_AT"},
                      NumberLocaleCase{"Garbage", "pt_BR", "garbage", "pt_BR"}),
    CaseName{});

// Only a language the program speaks changes anything; everything else leaves
// it English, in the number format it had.
TEST(loadLanguage, AnUnknownOrMalformedLocaleLeavesTheWindowEnglish)
{
    for (const char* name : {"xx_YY", "garbage", "C", "en_US", ""}) {
        loadLanguage(*QCoreApplication::instance(), QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(QCoreApplication::translate("MainWindow", "Sine Wave"), "Sine Wave") << name;
        EXPECT_EQ(QLocale().name(), QLocale::c().name()) << name;
    }
}

// Qt's own texts (the boxes' context menu) come in the same language, and the
// numbers with it.
TEST(loadLanguage, GermanBringsQtsOwnTextsAndTheDecimalComma)
{
    auto& app = *QCoreApplication::instance();
    loadLanguage(app, QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), "&Kopieren");
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Cont"), "Weiter");
    EXPECT_EQ(QLocale().toString(5.1, 'f', 1), "5,1");
    qDeleteAll(app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace quorvane::testing
