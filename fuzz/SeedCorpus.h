// The seed inputs of each harness, made by the program's own writers (games played out and saved,
// written as transcripts and GGF; settings files; a conversation's messages; packed streams), so
// that no opaque file needs to be kept. Written to folders by corvana-fuzz-seeds, and run by the
// regression test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SeedsFor(std::string_view target);
