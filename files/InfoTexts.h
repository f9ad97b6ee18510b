#pragma once

// The texts of the info and help commands, and the sponsor's page.
namespace InfoTexts {

// Caption of the info box.
extern const char kInfoCaption[];
// The program notice: what the program is, the sponsor's web site and its
// languages.
extern const char kInfoNotice[];
// The sponsor's web host, named in the notice.
extern const char kSponsorHost[];
// The page the sponsor caption opens.
extern const char kSponsorPage[];
// Seventeen lines explaining every parameter; no line break after the last.
extern const char kHelpText[];
// The output area's font while it shows the help text.
extern const char kHelpFont[];

}  // namespace InfoTexts
