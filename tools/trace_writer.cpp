#include "trace_writer.h"

#include <cstdio>

namespace zavkari {
namespace {

std::string Card(CardId c) {
    std::string text = "[";
    text += std::to_string(c.suit);
    text += ',';
    text += std::to_string(c.rank);
    return text += ']';
}

std::string Card(const CardRecord& c) {
    return Card(CardId{c.suit, c.rank});
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            json += '\\';
            json += ch;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            json += escaped;
        } else {
            json += ch;
        }
    }
    return json + "\"";
}

void TraceWriter::WriteMatch(std::uint64_t seed, std::string_view policy, int penalty) {
    out_ << R"({"event":"match","seed":)" << seed << R"(,"human":)" << JsonString(policy)
         << R"(,"penalty":)" << penalty << "}\n";
}

void TraceWriter::WriteEnd(bool finished, int deals) {
    out_ << R"({"event":"end","finished":)" << (finished ? "true" : "false") << R"(,"deals":)"
         << deals << "}\n";
}

void TraceWriter::OnDraw(int seat, CardId card) {
    out_ << R"({"event":"draw","seat":)" << seat << R"(,"card":)" << Card(card) << "}\n";
}

void TraceWriter::OnColumns() {
    const GameState& s = game_.state;
    out_ << R"({"event":"columns","columns":[)";
    for (int seat = 1; seat <= 4; ++seat)
        out_ << (seat > 1 ? "," : "") << s.sheetColumn[seat];
    out_ << R"(],"names":[)";
    for (int column = 1; column <= 4; ++column) {
        out_ << (column > 1 ? "," : "") << JsonString(game_.table.Caption(el::Name(column)));
    }
    out_ << "]}\n";
}

void TraceWriter::OnDealSettled() {
    const GameState& s = game_.state;
    const int n = s.dealSize;
    out_ << R"({"event":"deal","deal":)" << game_.CurrentRow() << R"(,"size":)" << n
         << R"(,"dealer":)" << s.dealer << R"(,"turned":)"
         << (n == 9 ? std::string("null") : Card(s.drawnCard)) << R"(,"trump":)" << s.trump
         << R"(,"hands":[)";
    for (int seat = 1; seat <= 4; ++seat) {
        out_ << (seat > 1 ? ",[" : "[");
        for (int slot = 1; slot <= n; ++slot) {
            out_ << (slot > 1 ? "," : "")
                 << (seat == kHumanSeat ? Card(s.humanHand[slot])
                                        : Card(s.computerHand[seat][slot]));
        }
        out_ << "]";
    }
    out_ << "]}\n";
}

void TraceWriter::OnBid(int seat, int bid, std::optional<int> computed) {
    out_ << R"({"event":"bid","seat":)" << seat << R"(,"bid":)" << bid;
    if (computed) out_ << R"(,"computed":)" << *computed;
    out_ << "}\n";
}

void TraceWriter::OnBidRefused(int bid) {
    out_ << R"({"event":"refused","bid":)" << bid << "}\n";
}

void TraceWriter::OnPlay(int trick, int seat, CardId card, int strength, Declaration declaration,
                         int named) {
    out_ << R"({"event":"play","trick":)" << trick << R"(,"seat":)" << seat << R"(,"card":)"
         << Card(card) << R"(,"strength":)" << strength;
    if (declaration != Declaration::None) {
        out_ << R"(,"declaration":)"
             << (declaration == Declaration::ViSi ? "\"viSi\"" : "\"waiRos\"") << R"(,"named":)"
             << named;
    }
    out_ << "}\n";
}

void TraceWriter::OnTrick(int trick, int winner, int leader) {
    out_ << R"({"event":"trick","trick":)" << trick << R"(,"winner":)" << winner << R"(,"leader":)"
         << leader << "}\n";
}

void TraceWriter::OnRenege(int code) {
    out_ << R"({"event":"renege","code":)" << code << "}\n";
}

void TraceWriter::OnScore(int deal, int row) {
    out_ << R"({"event":"score","deal":)" << deal << R"(,"row":)" << row << R"(,"cells":[)";
    for (int column = 1; column <= 4; ++column) {
        out_ << (column > 1 ? ",[" : "[")
             << JsonString(game_.table.Caption(el::BidCell(column, row))) << ","
             << JsonString(game_.table.Caption(el::ScoreCell(column, row))) << "]";
    }
    out_ << "]}\n";
}

void TraceWriter::OnPool(int pool) {
    out_ << R"({"event":"pool","pool":)" << pool << R"(,"totals":[)";
    for (int column = 1; column <= 4; ++column) {
        out_ << (column > 1 ? "," : "")
             << JsonString(game_.table.Caption(el::TotalCell(column, pool)));
    }
    out_ << "]}\n";
}

}  // namespace zavkari
