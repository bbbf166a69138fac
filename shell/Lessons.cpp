// The classroom's additions to the main frame: the lesson seed, the status line, the colour
// legend and the Help menu.

#include "shell/CommandIds.h"
#include "shell/DecayNames.h"
#include "shell/HelpText.h"
#include "shell/MainFrame.h"
#include "shell/Printing.h"

#include "display/ScreenChamber.h"
#include "platform/seams/InfoDialogs.h"
#include "platform/window/Menu.h"

#include <cstdio>
#include <limits>

namespace {

std::string DecayLine(DecayType type)
{
    const DecayDescription& decay = DescribeDecay(int(type));
    return "Particle Decay " + std::to_string(int(type)) + ": " + decay.chain;
}

// The colour of a track colour id as HTML, for the legend's swatches.
std::string SwatchColour(int colourId)
{
    const Colour colour = ScreenChamber::TrackColour(colourId);
    char html[8];
    std::snprintf(html, sizeof html, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return html;
}

std::string LegendHtml(DecayType type, double fieldKG)
{
    const DecayDescription& decay = DescribeDecay(int(type));
    std::string html = "<h3>" + DecayLine(type) + "</h3><p>" + decay.summary +
                       ".</p><table cellspacing=\"6\" style=\"background:#000000\">";
    for (const LegendRow& row : LegendFor(int(type), fieldKG)) {
        html += "<tr><td style=\"color:" + SwatchColour(row.colourId) +
                "\">&#9679;&#9679;&#9679;</td><td style=\"color:#ffffff\">" + row.particle + "</td></tr>";
    }
    html += "</table><p>Neutral particles (photons, neutrinos, the Lambda, the neutron) leave no track.";
    if (fieldKG == 0.0)
        html += " With no field the tracks are straight lines.";
    return html + "</p>";
}

} // namespace

std::string CMainFrame::StatusLine() const
{
    const Session& s = session_;
    if (s.shownNumber) {
        return "Seed " + std::to_string(s.shownNumber->seed) + ", event " + std::to_string(s.shownNumber->number) +
               "   " + DecayLine(s.shownNumber->type);
    }
    const std::string next = "Seed " + std::to_string(s.lesson.Seed()) + ", next event " +
                             std::to_string(s.lesson.NextNumber(int(s.decay))) + "   " + DecayLine(s.decay);
    return s.event ? "Event from a file   (" + next + ")" : next;
}

void CMainFrame::UpdateStatusLine()
{
    if (CMenu* menu = GetMenu())
        menu->SetStatusText(StatusLine());
}

void CMainFrame::AskLessonSeed()
{
    const int type = int(session_.decay);
    const auto values = platform::AskNumbers(
        this, "Lesson Seed",
        {{"Seed (as tracelume-events generate --seed):", int64_t(session_.lesson.Seed()), 0,
          int64_t(std::numeric_limits<uint32_t>::max())},
         {"Event number:", session_.lesson.NextNumber(type), LessonEvents::kFirstNumber, LessonEvents::kLastNumber}});
    if (!values)
        return;
    session_.StartLesson(uint32_t((*values)[0]), int((*values)[1]));
    UpdateStatusLine();
}

void CMainFrame::ShowColourLegend()
{
    const DecayType type = session_.shownNumber ? session_.shownNumber->type : session_.decay;
    platform::ShowTextPage(this, "Colour Legend", LegendHtml(type, session_.conditions.B()));
}

void CMainFrame::ShowHelp(int id)
{
    if (id == cmd::kHelpGuide)
        platform::ShowTextPage(this, "Tracelume Guide", help::GuideHtml());
    else if (id == cmd::kHelpKeys)
        platform::ShowTextPage(this, "Tracelume Keys", help::KeysHtml());
    else
        platform::ShowTextPage(this, "About Tracelume", help::AboutHtml());
}

std::string CMainFrame::LessonNote() const
{
    const auto& shown = session_.shownNumber;
    if (!shown)
        return {};
    return "Seed " + std::to_string(shown->seed) + ", event " + std::to_string(shown->number);
}

std::string CMainFrame::EventFileStem() const
{
    if (const auto& shown = session_.shownNumber) {
        return "type-" + std::to_string(int(shown->type)) + "-seed-" + std::to_string(shown->seed) + "-event-" +
               std::to_string(shown->number);
    }
    const CWnd* chamber = ChamberWnd();
    const std::string title = chamber ? chamber->GetWindowText() : std::string();
    const std::string prefix = "Particle Chamber: ";
    std::string name = session_.event && title.starts_with(prefix) ? title.substr(prefix.size()) : std::string();
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.resize(dot);
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    return name.empty() ? std::string(printing::kDocumentName) : name;
}
