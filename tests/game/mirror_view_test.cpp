// The window learns about the table only from the model's change reports. A mirror view copies an
// element or a group each time it is told of a change; whole seeded matches then check after every
// step that the mirror shows what the model holds, and at the moments a player watches (a deal laid
// out, a trick cleared away, a deal ended) that the table shows what it should.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "headless_table.h"
#include "human_player.h"
#include "table_layout.h"
#include "test_game.h"

namespace zavkari {
namespace {

struct MirroredElement {
    bool visible = false;
    ElementState state;
};

// A headless table that keeps its own copy of what a window would show.
class MirrorTable final : public HeadlessTable {
  public:
    void Watch(const TableModel& table) {
        model_ = &table;
        for (Element e : el::All())
            ElementChanged(e);
        for (Element g : el::kChoiceGroups)
            GroupChanged(g);
    }
    bool ShowsChanges() const override { return true; }
    void ElementChanged(Element e) override { elements_[e] = {model_->Visible(e), (*model_)[e]}; }
    void GroupChanged(Element e) override { groups_[el::GroupIndex(e)] = model_->Group(e); }
    void RaiseWindow() override { ++raises; }

    // The first element or group whose copy differs from the model, or an empty text.
    std::string Difference() const {
        for (Element e : el::All()) {
            const MirroredElement& m = elements_[e];
            const ElementState& s = (*model_)[e];
            const bool same = m.visible == model_->Visible(e) && m.state.enabled == s.enabled &&
                              std::string_view(m.state.caption) == std::string_view(s.caption) &&
                              m.state.colour == s.colour && m.state.left == s.left &&
                              m.state.top == s.top && m.state.width == s.width &&
                              m.state.height == s.height && m.state.z == s.z &&
                              m.state.fontSize == s.fontSize;
            if (!same) return "element " + ElementName(e);
        }
        for (Element g : el::kChoiceGroups) {
            const RadioGroup& m = groups_[el::GroupIndex(g)];
            const RadioGroup& s = model_->Group(g);
            if (m.items != s.items || m.columns != s.columns || m.selected != s.selected)
                return "group " + ElementName(g);
        }
        return {};
    }

    int raises = 0;

  private:
    const TableModel* model_ = nullptr;
    PerElement<MirroredElement> elements_{};
    std::array<RadioGroup, 4> groups_{};
};

// Where the first and the last slot of each hand lie in a deal of one and of nine cards, worked
// out by hand for a 1280 x 1024 screen (cards 89 x 121) and a 1024 x 768 one (cards 79 x 100);
// seat 4 is the human's row of cards.
struct ExamplePlace {
    int width;
    int n;
    int seat;
    int slot;
    int left;
    int top;
};
constexpr ExamplePlace kExamplePlaces[] = {
    {1280, 1, 1, 1, 16, 465},  {1280, 1, 2, 1, 450, 36},  {1280, 1, 3, 1, 875, 465},
    {1280, 1, 4, 1, 450, 887}, {1280, 9, 1, 1, 16, 185},  {1280, 9, 1, 9, 16, 745},
    {1280, 9, 2, 1, 138, 36},  {1280, 9, 2, 9, 762, 36},  {1280, 9, 3, 9, 875, 745},
    {1280, 9, 4, 1, 138, 887}, {1280, 9, 4, 9, 762, 887}, {1024, 1, 1, 1, 16, 337},
    {1024, 1, 2, 1, 322, 36},  {1024, 1, 3, 1, 629, 337}, {1024, 1, 4, 1, 322, 652},
    {1024, 9, 1, 9, 16, 511},  {1024, 9, 2, 1, 112, 36},  {1024, 9, 2, 9, 528, 36},
    {1024, 9, 3, 1, 629, 159}, {1024, 9, 4, 1, 112, 652}, {1024, 9, 4, 9, 528, 652},
};

// Checks what the player sees when a deal has been laid out and the bidding is about to start.
class DealLayoutChecker final : public MatchObserver {
  public:
    explicit DealLayoutChecker(const Game& game) : game_(game) {}
    std::vector<std::string> faults;
    int placesChecked = 0;

    void OnDealSettled() override {
        const TableModel& t = game_.Table();
        const int n = game_.State().dealSize;
        for (int k = 1; k <= kMaxHand; ++k) {
            for (int seat = 1; seat <= 3; ++seat) {
                // Each computer shows a back for every card it holds, and no more.
                const Element back = el::Back(seat, k);
                if (t.Visible(back) != (k <= n)) Fault("back " + ElementName(back));
            }
        }
        for (int slot = 1; slot <= n; ++slot) {
            const Element face = el::CardImage(game_.State().humanHand[slot]);
            if (!t.Visible(face)) Fault("human card hidden " + ElementName(face));
            if (!t.Visible(Element::kl) || !t.InFront(Element::kl, face))
                Fault("the dealt hand is not covered");
        }
        for (const ExamplePlace& p : kExamplePlaces) {
            if (p.width != t.width || p.n != n || t.height != (p.width == 1280 ? 1024 : 768))
                continue;
            const Element e = p.seat == kHumanSeat ? el::CardImage(game_.State().humanHand[p.slot])
                                                   : el::Back(p.seat, p.slot);
            if (t[e].left != p.left || t[e].top != p.top) Fault("placed wrong: " + ElementName(e));
            ++placesChecked;
        }
    }

  private:
    void Fault(const std::string& what) {
        faults.push_back("deal of " + std::to_string(game_.State().dealSize) + ": " + what);
    }
    const Game& game_;
};

// What a finished trick leaves once it has been cleared away.
std::string TrickClearedFault(const Game& game) {
    const TableModel& t = game.Table();
    for (int seat = 1; seat <= 4; ++seat) {
        const Element face = el::CardImage(game.State().playedCard[seat]);
        if (face != Element::no && t.Visible(face)) return "played card left on the table";
    }
    for (Element e : {Element::KVishi, Element::KNije, Element::under})
        if (t.Visible(e)) return "declaration label left: " + ElementName(e);
    if (!t.Visible(Element::b)) return "the deck is not shown after the trick";
    if (!t.Visible(Element::kl)) return "the hand is not covered after the trick";
    if (!t.InFront(Element::noclick, Element::b))
        return "the deck lies in front of the table cover";
    return {};
}

// What the end of a deal leaves while the next deal waits for a click on the deck.
std::string DealEndedFault(const Game& game) {
    const TableModel& t = game.Table();
    for (Element e : el::Faces())
        if (t.Visible(e)) return "a face left showing: " + ElementName(e);
    for (Element e : el::Backs())
        if (t.Visible(e)) return "a back left showing: " + ElementName(e);
    for (int seat = 1; seat <= 4; ++seat) {
        if (t.Visible(el::BidLabel(seat)) || t.Visible(el::TrickLabel(seat)))
            return "a bid or trick label left showing";
    }
    if (t.Visible(Element::kkk)) return "the trump name left showing";
    if (!t.InFront(Element::b, Element::noclick)) return "the deck cannot be clicked";
    return {};
}

struct Seat {
    HumanPolicy policy;
    std::uint64_t seed;
    TableSize size;
    bool autoDeal;
};

class MirroredMatch : public ::testing::TestWithParam<Seat> {};

TEST_P(MirroredMatch, WindowSeesEveryChangeAndTheTableShowsWhatItShould) {
    const Seat& p = GetParam();
    MirrorTable view;
    ClockSeededRandom random(p.seed, [&view] { return view.Now(); });
    TestGame game(view, random);
    HumanPlayer human(p.policy, p.seed + 17);
    DealLayoutChecker layout(game);
    game.observer = &layout;
    game.options.autoDeal = p.autoDeal;
    game.table.width = p.size.width;
    game.table.height = p.size.height;
    game.table.screenHeight = p.size.screenHeight;
    view.Watch(game.Table());

    // Opening the match a click at a time, as the player does.
    const std::vector<std::function<void()>> opening = {
        [&game] { game.LoadIdle(); }, [&game] { game.bbbClick(); }, [&game] { game.saxeliClick(); },
        [&game] { game.saxeliChange("gio"); }, [&game] { game.BitBtn1Click(); }};
    for (const auto& click : opening) {
        click();
        ASSERT_EQ(view.Difference(), "");
    }

    int tricks = 0;
    int dealEnds = 0;
    auto finished = [&game] {
        return game.State().matchOver && !game.timers.Enabled(TimerId::boloj);
    };
    for (int step = 0; step < 200'000 && !finished(); ++step) {
        if (!human.Act(game)) {
            const std::optional<TimerId> next = view.NextTimer();
            if (!next) {
                ASSERT_FALSE(game.options.autoDeal) << "the match stalled";
                game.bClick();  // the deck deals the next deal
            } else {
                view.AdvanceTo(*next);
                const bool playTimer = Decode(*next).family == TimerFamily::Play;
                const bool endOfDeal = next == TimerId::tavidan;
                const bool closed = game.State().trickClosed;
                game.Tick(*next);
                if (playTimer && !closed && game.State().trickClosed) {
                    ++tricks;
                    ASSERT_EQ(TrickClearedFault(game), "") << "trick " << tricks;
                }
                if (endOfDeal && !game.timers.Enabled(TimerId::tavidan) && !game.options.autoDeal &&
                    !game.State().matchOver) {
                    ++dealEnds;
                    ASSERT_EQ(DealEndedFault(game), "") << "deal " << dealEnds;
                }
            }
        }
        ASSERT_EQ(view.Difference(), "") << "after step " << step;
    }
    EXPECT_TRUE(finished());
    EXPECT_GT(tricks, 100);
    if (!p.autoDeal) {
        EXPECT_EQ(dealEnds, 23);
    }
    EXPECT_EQ(layout.faults, std::vector<std::string>{});
    if (p.size.height == 1024 || p.size.height == 768) {
        EXPECT_GT(layout.placesChecked, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SeededMatches, MirroredMatch,
    ::testing::Values(Seat{HumanPolicy::Random, 7, {1280, 1024, 1024}, true},
                      Seat{HumanPolicy::Legal, 8, {1024, 768, 768}, false},
                      Seat{HumanPolicy::Greedy, 9, {1280, 800, 800}, true},
                      Seat{HumanPolicy::Random, 10, {1920, 1080, 1080}, false}));

// A renege brings the window to the front before its message shows.
TEST(MirroredRenege, WindowRaisedForTheMessage) {
    MirrorTable view;
    ClockSeededRandom random(11, [&view] { return view.Now(); });
    TestGame game(view, random);
    view.Watch(game.Table());
    game.LoadIdle();
    game.state.renegePending = true;
    game.state.renegeCode = 2;
    game.state.ascendCount = 1;
    game.options.autoDeal = false;
    game.EndOfDeal();
    EXPECT_EQ(view.raises, 1);
    EXPECT_EQ(view.Difference(), "");
}

}  // namespace
}  // namespace zavkari
