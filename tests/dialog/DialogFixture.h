// The settings dialog as a user meets it: a document with one selected
// square, the plug-in loaded and started, and the dialog driven by scripts.
#ifndef CONTOUR_TESTS_DIALOG_DIALOGFIXTURE_H
#define CONTOUR_TESTS_DIALOG_DIALOGFIXTURE_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "easel/adm/DialogManager.h"
#include "easel/core/Random.h"
#include "easel/core/ViewState.h"
#include "tests/support/PluginHarness.h"

namespace contour_test {

using easel::adm::Event;

class DialogTest : public ::testing::Test {
 protected:
  DialogTest();

  // "AI Get Parameters" with this script; the command stays open.
  ASErr open(const std::vector<Event>& script);
  // The same, with `before(i)` called just before event i is played (and
  // with i = script.size() when the script has run out), so that a test can
  // look at the document or arrange the host between two events.
  ASErr open(const std::vector<Event>& script, std::function<void(std::size_t)> before);
  // Ends the open command (so that the next open starts a new one).
  void close();

  // The settings dialog as it was when it last closed.
  const easel::adm::ShownDialog& dialog() const;
  const easel::adm::Item& item(int32_t id) const;
  // The id of the list's chosen entry (-1 for none).
  int32_t chosen(int32_t listId) const;
  // Checks that exactly page `page` is shown: its items and those of every
  // page, with its label emphasised.
  void expectPage(int page) const;
  // The host's parameter block.
  ContourParams& record();

  easel::Document& doc() { return harness.document(); }
  // Objects in the document's one layer.
  std::size_t layerCount() const;

  PluginHarness harness;
  easel::ArtRef layer;
  easel::ArtRef square;
};

// The items each page shows, from the dialog's page table.
extern const std::vector<int32_t> kPageItems[6];

}  // namespace contour_test

#endif
