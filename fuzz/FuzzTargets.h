#pragma once

// The bodies of the fuzz targets. Each takes one input and returns false when an invariant of
// the reader does not hold (the fuzzer then aborts); the test suite replays the seed corpora
// through the same functions.

#include <cstddef>
#include <cstdint>

namespace fuzztargets {

// A style document read, written and read again gives the same document.
bool styleDocument(const std::uint8_t* data, std::size_t size);
// A theme document's index points at entries of that name.
bool themeIndex(const std::uint8_t* data, std::size_t size);
// A language file's header languages all have tables.
bool languageFile(const std::uint8_t* data, std::size_t size);
// An archive in memory unpacks into a layer within the size limits.
bool archive(const std::uint8_t* data, std::size_t size);
// A page file builds with every registered control type, and the page it builds writes a
// document that builds the same page again. Needs a QApplication with the library started
// (pageFileSetUp does that for a fuzzer process).
bool pageFile(const std::uint8_t* data, std::size_t size);
void pageFileSetUp(int* argc, char*** argv);
// A ribbon configuration either leaves the bar's pages as they were (text that is not a JSON
// object) or builds pages within the bounds whose groups are as wide as their columns; the bar
// then still minimises and restores. Needs a QApplication with the library started
// (ribbonConfigSetUp does that for a fuzzer process).
bool ribbonConfig(const std::uint8_t* data, std::size_t size);
void ribbonConfigSetUp(int* argc, char*** argv);

} // namespace fuzztargets
