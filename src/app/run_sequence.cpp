#include "app/run_sequence.h"

#include "app/presentation_parameters.h"
#include "app/start_up.h"
#include "app/start_up_screens.h"
#include "app/tool_checks.h"
#include "index/all_words_index.h"
#include "index/publication.h"
#include "index/search_page.h"
#include "index/word_index_page.h"
#include "pages/annotated_pages.h"
#include "pages/group_word_files.h"
#include "pages/next_word_pages.h"
#include "pages/page_groups.h"
#include "prep/input_naming.h"
#include "prep/page_conversion.h"
#include "prep/working_folders.h"
#include "words/advertising_page.h"
#include "words/page_preparation.h"
#include "words/word_extraction.h"
#include "words/word_numbering.h"

namespace docbase {

void run_sequence(RunState& run) {
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
  extract_words(run);
  number_words(run);
  form_page_groups(run);
  write_group_word_files(run);
  find_next_word_pages(run);
  copy_to_wrd_24_folder(run);
  for (long long group = 1; group <= run.group_count; ++group) {
    annotate_group(run, group);
    write_word_index_page(run, group);
    write_search_page(run, group);
  }
  run.console.print_line("processed 60%");
  write_all_words_index(run);
  publish_and_clean_up(run);
  show_results(run);
}

}  // namespace docbase
