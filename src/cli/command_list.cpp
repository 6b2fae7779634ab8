// The list of vellumo-cli commands.
#include "commands.h"

namespace cli {

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"info", "TABLE", "structure, record count and tags", InfoCommand},
      {"dump", "TABLE [--order TAG] [--filter EXPR] [--fields A,B] [--all]",
       "records as CSV (UTF-8)", DumpCommand},
      {"count", "TABLE [--filter EXPR] [--all]", "number of visible records that pass", CountCommand},
      {"index", "TABLE NAME EXPR [NAME EXPR ...]", "create or replace tags", IndexCommand},
      {"seek", "TABLE TAG [--exact] [--all] (KEY... | --keys FILE)",
       "record number found for each key, 0 when none", SeekCommand},
      {"append", "TABLE CSVFILE", "append the rows of a CSV whose header names fields", AppendCommand},
      {"check", "TABLE", "verify every tag against the table", CheckCommand},
      {"pack", "TABLE", "remove deleted records and rebuild the tags", PackCommand},
      {"create", "PATH [--home DIR]",
       "create an address database with its 26 tags (field widths from the settings)",
       CreateCommand},
      {"rebuild", "PATH", "pack an address database and recreate its 26 tags", RebuildCommand},
      {"design", "show FILE", "the objects of a label, envelope or report (.R) design file", DesignCommand},
      {"design",
       "render FILE (--stock NAME | --size WxH) --table DB [--record N] (--pdf OUT.pdf | --png OUT.png) [--dpi N] "
       "[--kind label|envelope] [--home DIR]",
       "draw a label (.L) or envelope (.E) design with one record of a table, as it prints", DesignCommand},
      {"labels",
       "DB (--setup NAME | --stock NAME [--design FILE]) [--filter EXPR | --tagged | --record N] [--order TAG] "
       "[--presort] [--copies N] [--positions LIST] --pdf OUT.pdf [--home DIR]",
       "print sheets of labels into a PDF; without --design the default design, which leaves out the\n"
       "      barcode on a label narrower than about 2.7 inches",
       LabelsCommand},
  };
  return commands;
}

}  // namespace cli
