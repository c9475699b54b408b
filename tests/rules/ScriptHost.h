// ScriptHost: a rules host for tests that records every call as a line and answers decisions and
// mortgage choices from a script.
#pragma once

#include "rules/GameState.h"
#include "rules/RulesHost.h"
#include "rules/RulesText.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

class ScriptHost : public RulesHost
{
public:
    explicit ScriptHost(const GameState& state) : state(state) {}

    // Answers to AskDecision, in order; when they run out the answer is No.
    std::deque<bool> Answers;
    // Cells chosen by ChooseMortgage, in order; when they run out (-1, -1).
    std::deque<std::pair<int, int>> MortgageChoices;
    std::vector<std::string> Calls;
    std::vector<NewsLine> News;
    std::vector<int> MortgageDebts;
    int SelectedX = -1;
    int SelectedY = -1;

    void ShowEvent(std::int32_t code) override
    {
        Calls.push_back(RulesText::Concat("event ", code, " amount ", state.EventAmount, " arg ",
                                          state.EventArg, " at ", SelectedX, " ", SelectedY));
    }
    bool AskDecision(std::int32_t code) override
    {
        Calls.push_back(
            RulesText::Concat("ask ", code, " amount ", state.EventAmount, " arg ", state.EventArg));
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) override
    {
        MortgageDebts.push_back(debt);
        Calls.push_back(RulesText::Concat("choose ", debt));
        x = y = -1;
        if (!MortgageChoices.empty()) {
            x = MortgageChoices.front().first;
            y = MortgageChoices.front().second;
            MortgageChoices.pop_front();
        }
    }
    void PlaySound(const char* name, bool wait) override
    {
        Calls.push_back(RulesText::Concat("sound ", name, wait ? " wait" : " nowait"));
    }
    void PostNews(const NewsLine& line) override
    {
        News.push_back(line);
        Calls.push_back(RulesText::Concat("news ", line.Code, " ", line.Value, " ", line.Arg));
    }
    void RefreshPanels(unsigned) override {}
    void SelectCell(std::int32_t x, std::int32_t y) override
    {
        SelectedX = x;
        SelectedY = y;
    }
    void RedrawBoard() override {}
    void SalaryPaid(std::int32_t slot, std::int32_t amount) override
    {
        Calls.push_back(RulesText::Concat("salary ", slot, " ", amount));
    }
    void DayBegun() override { Calls.push_back(RulesText::Concat("day ", state.Week, " ", state.Day)); }
    void TurnBegun(std::int32_t slot) override { Calls.push_back(RulesText::Concat("turn ", slot)); }

    // The calls that start with prefix.
    std::vector<std::string> CallsStarting(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const std::string& call : Calls) {
            if (call.rfind(prefix, 0) == 0) {
                out.push_back(call);
            }
        }
        return out;
    }

private:
    const GameState& state;
};
