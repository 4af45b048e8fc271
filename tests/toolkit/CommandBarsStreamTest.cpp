// The bars' controls as the stream of the controls blob: bars come back as
// their own classes with their keys and controls, through the packed form
// and the profile; a stream that is cut, damaged or names a class that is
// no bar gives no bars at all.
#include "toolkit/commandbars/CommandBarsState.h"

#include "TestProfile.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ControlsBlob.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct ReleaseTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};

struct BarList
{
    std::vector<CXTPCommandBar*> bars;
    ~BarList()
    {
        for (CXTPCommandBar* pBar : bars)
            pBar->InternalRelease();
    }
};

// Two bars with enough controls that the stream packs.
void FillBars(BarList& list)
{
    for (UINT nId : {100u, 0x1000000u})
    {
        CXTPCommandBar* pBar = new CXTPCommandBar;
        pBar->SetBarID(nId);
        pBar->SetTitle(nId == 100 ? "Standard" : "Ansicht");
        for (int i = 0; i < 12; ++i)
            pBar->GetControls()->Add(xtpControlButton, 1000 + i)->SetCaption("&Befehl");
        list.bars.push_back(pBar);
    }
}

TEST(CommandBarsStream, BarsComeBackThroughTheProfile)
{
    CTestProfileScope profile;
    std::unique_ptr<CXTPCommandBars, ReleaseTarget> pCommandBars(new CXTPCommandBars);
    XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
    params.pCommandBars = pCommandBars.get();

    BarList stored;
    FillBars(stored);
    std::vector<BYTE> blob;
    ASSERT_TRUE(StoreBarsToBlob(stored.bars, &params, blob));
    ASSERT_GE(blob.size(), 12u);
    EXPECT_EQ(0, memcmp(blob.data(), "ZIP!", 4));
    ASSERT_TRUE(WriteControlsBlob("CommandBars-Controls", blob,
                                  GetControlsSideFilePath("CommandBars")));

    std::vector<BYTE> read;
    ASSERT_TRUE(ReadControlsBlob("CommandBars-Controls", read));
    BarList loaded;
    ASSERT_TRUE(LoadBarsFromBlob(read, &params, loaded.bars));
    ASSERT_EQ(2u, loaded.bars.size());
    for (size_t i = 0; i < 2; ++i)
    {
        CXTPCommandBar* pBar = loaded.bars[i];
        EXPECT_EQ(RUNTIME_CLASS(CXTPCommandBar), pBar->GetRuntimeClass());
        EXPECT_EQ(stored.bars[i]->GetBarID(), pBar->GetBarID());
        EXPECT_STREQ(stored.bars[i]->GetTitle(), pBar->GetTitle());
        EXPECT_EQ(pCommandBars.get(), pBar->GetCommandBars());
        ASSERT_EQ(12, pBar->GetControlCount());
        EXPECT_EQ(1011, pBar->GetControl(11)->GetID());
        EXPECT_EQ(pBar, pBar->GetControl(11)->GetParent());
    }
}

TEST(CommandBarsStream, BrokenStreamsGiveNoBars)
{
    BarList stored;
    FillBars(stored);
    std::vector<BYTE> blob;
    ASSERT_TRUE(StoreBarsToBlob(stored.bars, nullptr, blob));
    std::vector<BYTE> plain;
    ASSERT_TRUE(DecompressControlsBlob(blob.data(), blob.size(), plain));

    std::vector<BYTE> cutPlain(plain.begin(), plain.begin() + plain.size() / 2);
    std::vector<BYTE> badClass(plain);
    // The first bar's class name ("CXTPCommandBar") made into one nobody knows.
    for (size_t i = 0; i + 4 < badClass.size(); ++i)
        if (memcmp(&badClass[i], "CXTP", 4) == 0)
        {
            badClass[i] = 'Q';
            break;
        }
    const struct
    {
        const char* pszName;
        std::vector<BYTE> blob;
    } kCases[] = {
        {"packed, cut short", std::vector<BYTE>(blob.begin(), blob.end() - 10)},
        {"plain, cut in half", cutPlain},
        {"unknown class", badClass},
        {"garbage", std::vector<BYTE>(300, 0xFF)},
        {"empty", std::vector<BYTE>()},
    };
    for (const auto& c : kCases)
    {
        BarList loaded;
        EXPECT_FALSE(LoadBarsFromBlob(c.blob, nullptr, loaded.bars)) << c.pszName;
        EXPECT_TRUE(loaded.bars.empty()) << c.pszName;
    }
}

} // namespace
