// The user's path in, from the start-up screens to the numbered pages, run
// in-process phase by phase (later phases would clear the work files away),
// and the early ends, run with the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/presentation_parameters.h"
#include "app/start_up.h"
#include "app/start_up_screens.h"
#include "app/tool_checks.h"
#include "prep/input_naming.h"
#include "prep/page_conversion.h"
#include "prep/working_folders.h"
#include "support/program_run.h"
#include "support/shell_run.h"
#include "words/advertising_page.h"
#include "words/page_preparation.h"

namespace docbase {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(DOCBASE_FIXTURES) / "inputs";

// The answers of a whole session: three screens, the confirmation, an empty
// destination address.
constexpr std::string_view kSessionKeys = "1111\n";

std::string without_carriage_returns(std::string text) {
  std::erase(text, '\r');
  return text;
}

void copy_fixture_inputs(const fs::path& folder) {
  fs::copy(kFixtures / "txt_in", folder / "txt_in", fs::copy_options::recursive);
}

// The phases of a run in their order, up to and including page preparation.
int run_up_to_page_preparation(ShellRun& session) {
  RunState& run = session.run;
  run.module_name = "www.example.org.app";
  run.program_name = program_name_of(run.module_name);
  run.program_path = "./www.example.org.exe";
  return outcome([&] {
    start_up(run);
    show_start_up_screens(run);
    check_tools(run);
    prepare_work_folders(run);
    copy_and_rename_inputs(run);
    convert_and_stage_pages(run);
    run.console.print_line(run.program_path);
    remove_previous_outputs(run);
    ask_destination_address(run);
    make_output_folders(run);
    settle_presentation_parameters(run);
    write_advertising_page(run);
    prepare_pages(run);
  });
}

std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    names.insert(entry.path().filename().string());
  return names;
}

class InputsSession : public ::testing::Test {
 protected:
  InputsSession() : session(kSessionKeys, "docbase_inputs") {
    // The find check looks for the program's own file in the folder's listing.
    session.folder.write("www.example.org.exe", "program");
  }
  const fs::path& folder() const { return session.folder.path(); }
  ShellRun session;
};

TEST_F(InputsSession, PreparesEveryInputIntoItsNumberedPage) {
  copy_fixture_inputs(folder());
  ASSERT_EQ(run_up_to_page_preparation(session), -1) << session.captured.err();

  // Renamed copies; "a b.txt" keeps its name, as "a_b.txt" is taken.
  const std::map<std::string, std::string> copies = {
      {"a b.txt", "a b.txt"},
      {"a_b.txt", "a_b.txt"},
      {"b_table.txt", "b-table.txt"},
      {"caf__.txt", "caf\xc3\xa9.txt"},
      {"file_Page.txt", "Page.txt"},
      {"file_page_3.txt", "page_3.txt"},
      {"my_report_2024.txt", "my report-2024.txt"},
      {"NOTES.TXT", "NOTES.TXT"},
      {"x_y.txt", "x.y.txt"},
      {"zeta.txt", "zeta.txt"},
  };
  std::set<std::string> copy_names;
  for (const auto& [copy, input] : copies) {
    SCOPED_TRACE(copy);
    copy_names.insert(copy);
    EXPECT_EQ(read_file(folder() / "txt_wrk" / copy), read_file(kFixtures / "txt_in" / input));
  }
  EXPECT_EQ(names_in(folder() / "txt_wrk"), copy_names);

  std::set<std::string> page_names = names_in(kFixtures / "expected" / "htm_wrk");
  EXPECT_EQ(names_in(folder() / "htm_wrk"), page_names);
  EXPECT_EQ(names_in(folder() / "htm_ndx" / "htm_in"), page_names);
  page_names.insert("f_promote.htm");
  EXPECT_EQ(names_in(folder() / "htm_in"), page_names);
  for (const std::string& page : names_in(kFixtures / "expected" / "htm_wrk")) {
    SCOPED_TRACE(page);
    std::string expected = read_file(kFixtures / "expected" / "htm_wrk" / page);
    EXPECT_EQ(read_file(folder() / "htm_wrk" / page), expected);
    EXPECT_EQ(read_file(folder() / "htm_in" / page), expected);
    EXPECT_EQ(read_file(folder() / "htm_ndx" / "htm_in" / page), expected);
  }

  for (const char* file : {"publisher_para.txt", "f_promote.htm"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(read_file(folder() / file), read_file(kFixtures / "expected" / file));
  }
  EXPECT_EQ(read_file(folder() / "htm_in" / "f_promote.htm"),
            read_file(kFixtures / "expected" / "f_promote.htm"));

  const std::vector<std::string> page_list = {
      "f_promote.htm", "a b.htm",       "a_b.htm",         "b_table.htm",
      "caf__.htm",     "file_page.htm", "file_page_3.htm", "my_report_2024.htm",
      "notes.htm",     "x_y.htm",       "zeta.htm",
  };
  std::string list_file;
  for (const std::string& line : page_list)
    list_file += line + "\r\n";
  EXPECT_EQ(read_file(folder() / "dir_01.txt"), list_file);
  EXPECT_EQ(session.run.page_count, 11);
  EXPECT_EQ(session.run.page_padding, "000");

  const std::vector<std::string> prepared = {
      "f_promote_01.htm", "a b_01.htm",       "a_b_01.htm",         "b_table_01.htm",
      "caf___01.htm",     "file_page_01.htm", "file_page_3_01.htm", "my_report_2024_01.htm",
      "notes_01.htm",     "x_y_01.htm",       "zeta_01.htm",
  };
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    SCOPED_TRACE(prepared[i]);
    std::string expected = read_file(kFixtures / "expected" / "prepared" / prepared[i]);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(read_file(folder() / prepared[i]), expected);
    std::string numbered = "page_" + padded_page_number(11, static_cast<long long>(i) + 1) + ".htm";
    EXPECT_EQ(read_file(folder() / numbered), expected) << numbered;
  }
  EXPECT_FALSE(fs::exists(folder() / "page_012.htm"));
}

TEST_F(InputsSession, ShowsEveryScreenOfThePathIn) {
  copy_fixture_inputs(folder());
  ASSERT_EQ(run_up_to_page_preparation(session), -1) << session.captured.err();
  std::string out = without_carriage_returns(session.captured.out());

  for (const char* text : {
           "\nTHE PROGRAM INDEXES A GROUP OF TXT FILES ON EACH WORD AND CREATES A DOCUMENT BASE\n",
           "\nProgram name:www.example.org.exe\nTerms of use:\n",
           "\nInfo: www.example.net\n\n====================================\n"
           "Do you accept the terms of use?\n\n<1> yes, continue\n<2> no, end\n",
           "\nFONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW.\n",
           "\nSelected settings work when the program is restarted.\n"
           "----------------------------\n\n<1> continue\n<2> end\n",
           "\nTHE PROGRAM MUST BE INSTALLED IN YOUR OWN DIRECTORY.\n",
           "\n---------------------------\n"
           "Checking the accessibility of some urgently needed programs:\n"
           "cmd.exe, find.exe, findstr.exe, sort.exe\ncmd\nfind\nfindstr\nsort\n",
           "\n----- dir htm_wrk -----\na b.htm\na_b.htm\nb_table.htm\ncaf__.htm\nfile_Page.htm\n"
           "file_page_3.htm\nmy_report_2024.htm\nNOTES.htm\nx_y.htm\nzeta.htm\n\n"
           "-----------------------\nnumber of files = 10\n\n<1> continue\n<2> end\n",
           "\n\n====== OVERVIEW/SELECT PARAMETERS ======\n\n",
       }) {
    EXPECT_NE(out.find(text), std::string::npos) << text;
  }

  const std::vector<std::string> row_names = {"====== CODE PAGE ======",
                                              "Windows-1250",
                                              "Windows-1251",
                                              "Windows-1252",
                                              "Windows-1253",
                                              "Windows-1254",
                                              "Windows-1255",
                                              "Windows-1256",
                                              "Windows-1257",
                                              "Windows-1258",
                                              "Windows-54936",
                                              "Windows-65001",
                                              "====== FONT COLOR ======",
                                              "black",
                                              "blue",
                                              "brown",
                                              "chartreuse",
                                              "coral",
                                              "forestgreen",
                                              "green",
                                              "coralyellow",
                                              "red",
                                              "====== FONT SIZE ======",
                                              "60%",
                                              "80%",
                                              "100%",
                                              "120%",
                                              "140%",
                                              "160%",
                                              "180%",
                                              "200%",
                                              "====== FIND WORD MENU ======",
                                              "yes",
                                              "no"};
  ASSERT_EQ(row_names.size(), 34u);
  for (std::size_t row = 1; row <= row_names.size(); ++row) {
    std::string number = " " + std::to_string(row);
    std::string start = "\n" + number + std::string(14 - number.size(), ' ') + row_names[row - 1];
    EXPECT_NE(out.find(start), std::string::npos) << "row" << row;
  }
  EXPECT_NE(out.find("\n 2            Windows-1250  Central Europe languages: Albanian,"),
            std::string::npos);
  EXPECT_EQ(out.find(" 35 "), std::string::npos);
  EXPECT_EQ(out.find("--->"), std::string::npos);
  EXPECT_TRUE(out.ends_with("\n\nprocessed 1%\n")) << out.substr(out.size() - 40);
}

// Names that must not let a text be lost or strayed: a leading blank, a
// second ".txt", the names of the program's own pages and of its patterns.
TEST_F(InputsSession, KeepsEveryTextWhoseNameClashesWithAnother) {
  const std::map<std::string, std::string> inputs = {
      {" lead.txt", "text of lead with blank"},
      {"lead.txt", "text of lead"},
      {"a.txt", "text of a"},
      {"a.txt.txt", "text of a.txt.txt"},
      {"f_promote.txt", "text of f_promote"},
      {"my_f_promote.txt", "text of my_f_promote"},
      {"page.txt", "text of page"},
      {"file_page.txt", "text of file_page"},
      {"i.txt", "text of i"},
      {"S-notes.txt", "text of S-notes"},
  };
  for (const auto& [name, text] : inputs)
    session.folder.write("txt_in/" + name, text + "\n");
  ASSERT_EQ(run_up_to_page_preparation(session), -1) << session.captured.err();

  EXPECT_EQ(names_in(folder() / "txt_wrk"),
            (std::set<std::string>{" lead.txt", "lead.txt", "a.txt", "a_txt.txt",
                                   "file_f_promote.txt", "my_f_promote.txt", "file_page_2.txt",
                                   "file_page.txt", "i.txt", "S_notes.txt"}));
  EXPECT_EQ(session.run.page_count, 11);
  std::multiset<std::string> page_texts;
  for (long long page = 2; page <= 11; ++page) {
    std::string numbered = "page_" + padded_page_number(11, page) + ".htm";
    std::string content = read_file(folder() / numbered);
    std::size_t at = content.find("<br>text of ");
    ASSERT_NE(at, std::string::npos) << numbered;
    page_texts.insert(content.substr(at + 4, content.find('\r', at) - at - 4));
  }
  std::multiset<std::string> texts;
  for (const auto& [name, text] : inputs)
    texts.insert(text);
  EXPECT_EQ(page_texts, texts);
  // No prepared page can pass for a numbered page, an index or a search page.
  for (const std::string& name : names_in(folder())) {
    if (name.starts_with("page_")) {
      EXPECT_EQ(name.size(), std::string("page_001.htm").size()) << name;
    }
    EXPECT_FALSE(name.starts_with("i_") || name.starts_with("s_")) << name;
  }
}

// Names no listing or command line can carry, and names equal but for
// letter case: each copy gets a safe name of its own and keeps its text.
TEST_F(InputsSession, GivesNamesTheCommandsCannotCarryAFreeSafeName) {
  const std::map<std::string, std::string> inputs = {
      {"good.txt", "text of good"},     {"line\nbreak.txt", "text of line break"},
      {"q\"uote.txt", "text of quote"}, {"back\\slash.txt", "text of back slash"},
      {"Dup.txt", "text of Dup"},       {"dup.txt", "text of dup"},
      {"a*b.txt", "text of a star b"},  {"a?b.txt", "text of a question b"},
      {"a_b.txt", "text of a_b"},       {"re<d>ir|ect.txt", "text of redirect"},
  };
  for (const auto& [name, text] : inputs)
    session.folder.write("txt_in/" + name, text + "\n");
  ASSERT_EQ(run_up_to_page_preparation(session), -1) << session.captured.err();
  EXPECT_NE(session.captured.out().find("number of files = 10\n"), std::string::npos);

  const std::map<std::string, std::string> copies = {
      {"a_b.txt", "a_b.txt"},        {"a_b_2.txt", "a*b.txt"},
      {"a_b_3.txt", "a?b.txt"},      {"back_slash.txt", "back\\slash.txt"},
      {"Dup.txt", "Dup.txt"},        {"dup_2.txt", "dup.txt"},
      {"good.txt", "good.txt"},      {"line_break.txt", "line\nbreak.txt"},
      {"q_uote.txt", "q\"uote.txt"}, {"re_d_ir_ect.txt", "re<d>ir|ect.txt"},
  };
  std::set<std::string> copy_names;
  for (const auto& [copy, input] : copies) {
    SCOPED_TRACE(copy);
    copy_names.insert(copy);
    EXPECT_EQ(read_file(folder() / "txt_wrk" / copy), inputs.at(input) + "\n");
  }
  EXPECT_EQ(names_in(folder() / "txt_wrk"), copy_names);
  EXPECT_EQ(session.run.page_count, 11);
  std::multiset<std::string> page_texts;
  for (long long page = 2; page <= 11; ++page) {
    std::string content = read_file(folder() / ("page_" + padded_page_number(11, page) + ".htm"));
    std::size_t at = content.find("<br>text of ");
    ASSERT_NE(at, std::string::npos) << page;
    page_texts.insert(content.substr(at + 4, content.find('\r', at) - at - 4));
  }
  std::multiset<std::string> texts;
  for (const auto& [name, text] : inputs)
    texts.insert(text);
  EXPECT_EQ(page_texts, texts);
}

TEST(ToolChecks, AFolderWithoutTheProgramFailsTheFindCheck) {
  ShellRun session("111");
  EXPECT_EQ(outcome([&] { check_tools(session.run); }), kExitCannotGoOn);
  std::string out = without_carriage_returns(session.captured.out());
  EXPECT_TRUE(
      out.ends_with("cmd\nfind\n---------------------\nChecking for find.exe!\n"
                    "The system path to the program is most likely to be configured.\n"
                    "<1> = continue and end\n"))
      << out;
}

TEST(StartUpScreens, FollowOneAnotherWithoutAKeyInTheDeveloperFolder) {
  ShellRun session("", "Vantor_Delovni_TXT_VANTOR_docbase");
  EXPECT_EQ(outcome([&] { show_start_up_screens(session.run); }), -1);
  std::string out = session.captured.out();
  for (const char* text : {"Do you accept the terms of use?", "FONT CONSOLAS",
                           "THE PROGRAM MUST BE INSTALLED IN YOUR OWN DIRECTORY."}) {
    EXPECT_NE(out.find(text), std::string::npos) << text;
  }
}

// The real program, answering through standard input.
TEST(ProgramRun, KeyTwoAtAStartUpScreenEndsAtOnceWritingNothingButTheKeyFile) {
  struct Case {
    const char* keys;
    const char* last_shown;
    const char* not_shown;
  };
  const Case cases[] = {
      {"2", "Do you accept the terms of use?", "FONT CONSOLAS"},
      {"12", "FONT CONSOLAS", "THE PROGRAM MUST BE INSTALLED"},
      {"112", "THE PROGRAM MUST BE INSTALLED", "Checking the accessibility"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TempFolder folder("docbase_inputs_key");
    install_program(folder.path());
    copy_fixture_inputs(folder.path());
    ProgramResult result = run_program(folder.path(), c.keys);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find(c.last_shown), std::string::npos);
    EXPECT_EQ(result.out.find(c.not_shown), std::string::npos);
    EXPECT_TRUE(result.out.ends_with("<2> end\n") || result.out.ends_with("<2> no, end\n"));
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{DOCBASE_PROGRAM_NAME, "key.select.txt", "txt_in"}));
  }
}

TEST(ProgramRun, KeyTwoAtTheConfirmationEndsKeepingThePages) {
  TempFolder work("docbase_inputs_run");
  install_program(work.path());
  copy_fixture_inputs(work.path());
  ProgramResult result = run_program(work.path(), "1112");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("number of files = 10\n"), std::string::npos);
  EXPECT_EQ(names_in(work.path() / "htm_wrk"), names_in(kFixtures / "expected" / "htm_wrk"));
  EXPECT_TRUE(names_in(work.path() / "htm_in").empty());
  EXPECT_FALSE(fs::exists(work.path() / "htm_ndx"));
}

TEST(ProgramRun, EndsWhenTxtInHoldsNoLowerCaseTxtName) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
  };
  const std::vector<Case> cases = {
      {"missing txt_in", {}},
      {"empty txt_in", {"txt_in/"}},
      {"only A.TXT", {"txt_in/A.TXT"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder("docbase_inputs_empty");
    install_program(folder.path());
    for (const std::string& file : c.files) {
      if (file.ends_with("/")) {
        fs::create_directories(folder.path() / file);
      } else {
        folder.write(file, "text\n");
      }
    }
    ProgramResult result = run_program(folder.path(), "111");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.out.find("\n----------------------------\nSubfolder txt_in is empty\n\n"
                              "<1> = continue and end\n"),
              std::string::npos)
        << result.out;
    EXPECT_FALSE(fs::exists(folder.path() / "txt_wrk"));
  }
}

}  // namespace
}  // namespace docbase
