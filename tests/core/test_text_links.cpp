// The links of an HTML text control clicked in a window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/manager_probe.h"
#include "ui/controls/UIText.h"

using namespace SkinUI;

namespace {

TEST(TextLinks, ALinkSendsItsIndexWhenClickedAndPlainTextHasNone) {
    ProbeTree tree;
    NotifyRecorder recorder;
    auto* text = tree.Place(new CTextUI, RECT{10, 100, 400, 130});
    text->SetName(L"t");
    text->SetAttributeList(L"showhtml=\"true\" text=\"see <a first>one</a> or <a second>two</a>\"");
    tree.Settle();
    tree.manager().AddNotifier(&recorder);
    ASSERT_EQ(text->GetLinkCount(), 2);
    EXPECT_EQ(text->GetControlFlags(), UINT(UIFLAG_SETCURSOR));
    const RECT second = text->GetLinkRect(1);
    const POINT inside = {second.left + 2, (second.top + second.bottom) / 2};
    tree.Click(text);  // the middle of the control is past both links
    EXPECT_EQ(recorder.Take(), std::vector<std::wstring>{});
    tree.Click(inside);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].type, L"link");
    EXPECT_EQ(recorder.seen[0].wParam, 1u);
    recorder.Take();

    text->SetShowHtml(false);
    tree.Settle();
    EXPECT_EQ(text->GetLinkCount(), 0) << "plain text leaves no links behind";
    tree.Click(inside);
    EXPECT_EQ(recorder.Take(), std::vector<std::wstring>{});
    tree.manager().RemoveNotifier(&recorder);
}

}  // namespace
