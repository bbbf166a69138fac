#pragma once

#include <string>

// The texts of the Help menu, as simple HTML: the guide, the keys and the About text.
namespace help {
std::string GuideHtml();
std::string KeysHtml();
std::string AboutHtml();
}
