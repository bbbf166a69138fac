#pragma once

#include "platform/gfx/Geometry.h"

#include <ctime>
#include <string>

class CPrinterDC;
class CScrollWindow;
class ChamberData;

// The printed page of a tool window, in the window's client pixels: the picture's top-left
// corner is the logical origin and the three header lines lie above it, at negative y.
namespace printing {

constexpr const char* kDocumentName = "Tracelume";
constexpr int kPageTop = -180;          // logical y of the page's top edge
constexpr int kProjectorPictureX = 50;  // where the Projector's picture starts
constexpr Rect kDateRect{45, -150, 400, -130};
constexpr Rect kTitleRect{70, -70, 500, -50};
constexpr Rect kConditionsRect{70, -35, 500, -15};
constexpr Rect kNoteRect{70, -105, 500, -85}; // a lesson's seed and event number, above the title
constexpr int kTitleBufferSize = 256;   // the title is read with this buffer, its end included

// "Mon Dec  7 21:10:57 2026\n": weekday, month, day, time and year of a local time.
std::string DateLine(const std::tm& local);

// The message for a failed page or job status, null for the codes that have none.
const char* StatusMessage(int code, bool endingJob);

// One page: maps the window's client area onto the printable area, draws the header and then
// the window's picture from x = pictureX. The job must have been started; the page is begun here
// and not ended.
// A note, when given, stands on a line of its own above the title (which event of a lesson
// this is).
void DrawPage(CPrinterDC& dc, CScrollWindow& window, int pictureX, const ChamberData& conditions,
              const std::string& note = {});

// The step at which a one-page job stopped, with the status it answered; Done when none failed.
enum class JobStep { Done, StartDoc, EndPage, EndDoc };
struct JobOutcome {
    JobStep failed = JobStep::Done;
    int status = 1;
};

// The whole job of one page: starts it as "Tracelume", draws the page and ends page and job.
// A failed page is not followed by the end of the job.
JobOutcome PrintOnePage(CPrinterDC& dc, CScrollWindow& window, int pictureX, const ChamberData& conditions,
                        const std::string& note = {});

}
