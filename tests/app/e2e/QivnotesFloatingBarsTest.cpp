// The program's three toolbars floated by the real mouse from outside, as a
// user floats them: dragged by their grippers away from the frame's edges,
// the other grippers pressed, the program closed and started again from
// its stored state, and started from stored floating places far off the
// screen. After every step the frame answers within a second, no floating
// bar has taken the foreground, and every bar stands where it was left.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"
#include "common/OutsideBars.h"

#include <memory>

namespace {

using e2e::QivnotesTest;
using namespace outside;

const char kAppKey[] = "Software\\VRNK\\Qivnotes";

class QivnotesFloatingBars : public QivnotesTest
{
protected:
    void SetUp() override
    {
        QivnotesTest::SetUp();
        m_strFile = WriteSample("floatingbars");
    }
    // Starts the program on the sample card file; it answers once started.
    bool Start()
    {
        m_program = std::make_unique<e2e::CQivnotesProcess>();
        return m_program->Start("\"" + m_strFile + "\"") && m_program->WaitForTitle("Qivnotes - Rezepte.qiv")
               && Answers(m_program->MainWindow());
    }
    CBarsFromOutside Bars() const { return CBarsFromOutside(m_program->ProcessId(), m_program->MainWindow()); }

    CString m_strFile;
    std::unique_ptr<e2e::CQivnotesProcess> m_program;
};

TEST_F(QivnotesFloatingBars, FloatedBarsKeepTheFrameAnsweringThroughARestart)
{
    ASSERT_TRUE(Start());
    ASSERT_NO_FATAL_FAILURE(Bars().Float("Standard", 300, 300));
    ASSERT_NO_FATAL_FAILURE(Bars().PressGrippers({"Format", "Ansicht"}));
    ASSERT_NO_FATAL_FAILURE(Bars().Float("Format", 150, 150));
    ASSERT_NO_FATAL_FAILURE(Bars().PressGrippers({"Ansicht"}));
    const BarPlaces left = Bars().Bars();
    ASSERT_EQ(0, m_program->Close());

    ASSERT_TRUE(Start()) << "the program did not answer after its start";
    // Places only: started anew without a window manager (the tests' X
    // server), the program's frame comes to lie over its floating bars.
    ExpectSamePlaces(WithoutLooks(left), WithoutLooks(Bars().Bars()), true, "started again");
    EXPECT_TRUE(Bars().FrameKeepsTheForeground());
    ASSERT_NO_FATAL_FAILURE(Bars().PressGrippers({"Ansicht"}));
    EXPECT_EQ(0, m_program->Close());
}

TEST_F(QivnotesFloatingBars, StoredFloatingPlacesOffTheScreenComeBackOntoIt)
{
    // A session that floated two bars stores its state.
    ASSERT_TRUE(Start());
    ASSERT_NO_FATAL_FAILURE(Bars().Float("Standard", 300, 300));
    ASSERT_NO_FATAL_FAILURE(Bars().Float("Ansicht", 150, 200));
    const BarPlaces left = Bars().Bars();
    ASSERT_EQ(0, m_program->Close());

    for (const POINT& place : OffScreenPlaces())
    {
        StoreFloatingPlace(kAppKey, place.x, place.y);
        const std::string strCase = std::to_string(place.x) + "," + std::to_string(place.y);
        ASSERT_TRUE(Start()) << strCase;
        Bars().ExpectStartedFrom(left, strCase);
        ASSERT_NO_FATAL_FAILURE(Bars().PressGrippers({"Format"})) << strCase;
        ASSERT_EQ(0, m_program->Close()) << strCase;
    }
}

} // namespace
