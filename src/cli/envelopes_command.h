#pragma once
// `postcraft-cli envelopes offsets|list|add|print`: the feed offsets of an
// envelope on a page, and the envelope layouts of a Postcraft home.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runEnvelopesCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
