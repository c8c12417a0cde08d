#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "ui/Form1.h"

namespace quorvane::testing {

// Someone at the controls: list choices, every scroll bar, every check box
// (greyed now and then), pause and continue, clicks on the spectra.
class Student {
public:
    explicit Student(Form1& form) : form_(form) {}

    // Picks an action from the next values of any generator of unsigned numbers.
    template <typename Random>
    void Act(Random&& random)
    {
        const char* lists[] = {"cmbData", "cmbMod"};
        const char* bars[] = {"hscDataScroll", "hscDataZoom", "hscFreq(0)", "hscFreq(1)", "vscDepth"};
        const char* checks[] = {"chkLinear", "chkTwoSides", "chkMemory", "chkPassband", "chkSpectrum"};
        switch (random() % 6) {
        case 0: {
            auto* list = form_.findChild<QComboBox*>(lists[random() % 2]);
            const int index = static_cast<int>(random() % list->count());
            list->setCurrentIndex(index);
            emit list->activated(index);
            break;
        }
        case 1: {
            auto* bar = form_.findChild<QScrollBar*>(bars[random() % 5]);
            const auto action = random() % 2 ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderSingleStepSub;
            bar->triggerAction(action);
            break;
        }
        case 2:
        case 3: {
            auto* check = form_.findChild<QCheckBox*>(checks[random() % 5]);
            if (random() % 8 == 0)
                check->setCheckState(Qt::PartiallyChecked);
            else
                QTest::mouseClick(check, Qt::LeftButton);
            break;
        }
        case 4:
            QTest::mouseClick(form_.findChild<QPushButton*>("cmdPause"), Qt::LeftButton);
            break;
        default:
            QTest::mouseClick(form_.findChild<QWidget*>(random() % 2 ? "picSpectrum(0)" : "picSpectrum(1)"),
                              Qt::LeftButton);
            break;
        }
    }

private:
    Form1& form_;
};

}  // namespace quorvane::testing
