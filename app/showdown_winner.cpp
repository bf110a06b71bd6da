// Who wins a showdown of the practice mode, from card texts.
#include "app/app_controller.h"
#include "core/card.h"
#include "core/hand_evaluator.h"

#include <array>
#include <exception>

namespace quendal_app {

namespace {

// Blanks dropped, every other character as Latin-1 (0 when it has none).
std::string showdownText(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        if (!c.isSpace()) {
            out += c.toLatin1();
        }
    }
    return out;
}

}  // namespace

QVariantMap AppController::showdownWinner(const QString& boardText, const QString& oopText,
                                          const QString& ipText) const {
    QVariantMap answer{{"winner", "UNKNOWN"}, {"oopStrength", 0}, {"ipStrength", 0}};
    const std::string board = showdownText(boardText);
    const std::string oop = showdownText(oopText);
    const std::string ip = showdownText(ipText);
    if (board.size() < 10 || oop.size() < 4 || ip.size() < 4) {
        return answer;
    }
    try {
        std::array<quendal::CardCode, 5> cards{};
        std::size_t count = 0;
        for (std::size_t at = 0; at + 2 <= board.size() && count < 5; at += 2) {
            cards[count++] = quendal::parse_card(board.substr(at, 2));
        }
        if (count != 5) {
            return answer;
        }
        const auto hole = [](const std::string& text) {
            return quendal::pack_hole_cards(quendal::parse_card(text.substr(0, 2)),
                                            quendal::parse_card(text.substr(2, 2)));
        };
        const quendal::HandStrength oopStrength = quendal::evaluate_hand(hole(oop), cards);
        const quendal::HandStrength ipStrength = quendal::evaluate_hand(hole(ip), cards);
        answer["oopStrength"] = static_cast<int>(oopStrength);
        answer["ipStrength"] = static_cast<int>(ipStrength);
        answer["winner"] = oopStrength > ipStrength   ? "OOP"
                           : ipStrength > oopStrength ? "IP"
                                                      : "TIE";
    } catch (const std::exception&) {
    }
    return answer;
}

}  // namespace quendal_app
