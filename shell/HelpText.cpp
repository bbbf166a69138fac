#include "shell/HelpText.h"

namespace help {

std::string GuideHtml()
{
    return R"(<h2>Tracelume: a short guide</h2>
<p><b>The windows.</b> The <i>Particle Chamber</i> shows an event: the tracks of charged
particles as dots of helices in a magnetic field B along z, inside a cube of side L. The
<i>Chamber Controls</i> (Ctrl+K) set B, L and the kinetic energy T of the first particle for the
next New Event. The <i>Projector</i> (Ctrl+P) flattens the event onto the X-Y, Y-Z or X-Z plane
and measures it with a tape in centimetres. The <i>Trackmaker</i> (Trackmaker &gt; Activate)
fires electrons and positrons in a flat field. Show &gt; Colour Legend names the particle of each
track colour.</p>
<p><b>An event.</b> Choose a decay under Event, then Actions &gt; New Event (Ctrl+E). Settings
&gt; Lesson Seed... picks the events of a lesson: the same seed and event number give the same
event on every machine, the one <code>tracelume-events generate TYPE --seed N</code> writes with
that number. The status line shows the seed and number of the event on screen.</p>
<p><b>Measuring a radius.</b> The field points along z, so in the Projector's X-Y plane every
track is an arc of a circle. Open the Projector, choose X-Y and a zoom, and choose the Tape.
Drag the tape (or press an arrow key, move the cross-hair with the arrows, press Enter, move to
the end and press Enter again) across the arc: from one side of the circle to the other gives
its diameter 2R; a chord c with its height h gives R = c&sup2;/(8h) + h/2. The readout shows
the length in cm.</p>
<p><b>From radius to momentum.</b> A particle of charge e moving across a field B on a circle of
radius R has the transverse momentum</p>
<p align="center"><b>p<sub>&perp;</sub> = 0.3 R B</b> &nbsp; (p in MeV/c, R in cm, B in kG).</p>
<p><b>Worked example.</b> Particle Decay 1 at the starting conditions (B = 0.8 kG, T = 0.6 MeV,
L = 500 cm): the pion stops almost at once and decays into a muon of momentum 29.8 MeV/c. A muon
that flies across the field makes a circle of R = 29.8 / (0.3 &times; 0.8) = 124 cm: in the X-Y
plane its diameter measures about 248 cm. If the tape gives a diameter of 240 cm, then
R = 120 cm and p<sub>&perp;</sub> = 0.3 &times; 120 &times; 0.8 = 28.8 MeV/c, the part of the
muon's 29.8 MeV/c that lies across the field. The answer key
(<code>tracelume-events generate 1 --seed N --truth</code>) lists each particle's
p<sub>&perp;</sub> and radius to check against.</p>)";
}

std::string KeysHtml()
{
    return R"(<h2>Keys</h2>
<table cellspacing="4">
<tr><td>Ctrl+E</td><td>New Event</td></tr>
<tr><td>Ctrl+R</td><td>Replay Event</td></tr>
<tr><td>Ctrl+G / Ctrl+F</td><td>Rotate / Reverse Rotate the chamber</td></tr>
<tr><td>Ctrl+1, Ctrl+2, Ctrl+3</td><td>rotate about the X, Y or Z axis</td></tr>
<tr><td>Ctrl+M</td><td>Slow Motion</td></tr>
<tr><td>Ctrl+L, Ctrl+K, Ctrl+P</td><td>show the Particle Chamber, Chamber Controls, Projector</td></tr>
<tr><td>Ctrl+I</td><td>Inject Particle (Trackmaker)</td></tr>
<tr><td>Ctrl+O, Ctrl+S, Ctrl+W</td><td>Open, Save As, Close an event file</td></tr>
<tr><td>Ctrl+Q</td><td>Exit</td></tr>
<tr><td>Alt + underlined letter</td><td>open a menu; then the letter of an item</td></tr>
<tr><td>Tab, Shift+Tab</td><td>move between the controls of a window</td></tr>
<tr><td>Arrow keys, Page Up/Down</td><td>move a slider or a list's choice</td></tr>
<tr><td>Arrow keys, Enter</td><td>in the Projector's picture with the Tape: move the
cross-hair; Enter sets the tape's start, then its end</td></tr>
</table>)";
}

std::string AboutHtml()
{
    return "<h2>Tracelume " TRACELUME_VERSION "</h2>"
           "<p>A teaching simulation of particle decays in a magnetic field: decay events of six "
           "types in a 3-D chamber, projected and measured; electrons and positrons in the "
           "Trackmaker.</p>"
           "<p>Licence: MIT. Tracelume is free software; see the file LICENSE that comes with "
           "it.</p>";
}

} // namespace help
