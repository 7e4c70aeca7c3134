// The pointer on the skinned window: presses, drags and the cursor's shape;
// where the window stands and which image a button shows.
#include "platform/WinConstants.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

plat::Point ReadPoint(Arguments& args) {
  int x = args.Int("X");
  int y = args.Int("Y");
  return {x, y};
}

std::string Press(Arguments& args, Context& context) {
  if (args.TakeKeyword("on")) {
    int id = args.Int("ID");
    args.End();
    return context.driver.PressControl(id);
  }
  plat::Point at = ReadPoint(args);
  args.End();
  return context.driver.Press(at);
}

std::string Release(Arguments& args, Context& context) {
  bool away = args.TakeKeyword("away");
  args.End();
  return context.driver.Release(away);
}

std::string Drag(Arguments& args, Context& context) {
  plat::Point from = ReadPoint(args);
  args.Keyword({"to"});
  plat::Point to = ReadPoint(args);
  args.End();
  return context.driver.Drag(from, to);
}

std::string CursorAt(Arguments& args, Context& context) {
  plat::Point at = ReadPoint(args);
  args.End();
  return context.driver.PointAt(at);
}

std::string Hover(Arguments& args, Context& context) {
  int id = args.Int("ID");
  args.End();
  return context.driver.Hover(id);
}

std::string ShapeName(int shape) {
  if (shape == IDC_HAND) return "hand";
  if (shape == IDC_ARROW) return "arrow";
  return std::to_string(shape);
}

std::string ExpectCursor(Arguments& args, Context& context) {
  std::string expected = args.Keyword({"hand", "arrow"});
  args.End();
  std::string actual = ShapeName(context.driver.CursorShape());
  return actual == expected ? "" : Differs("the cursor", actual, expected);
}

std::string ExpectWindowAt(Arguments& args, Context& context) {
  plat::Point expected = ReadPoint(args);
  args.End();
  auto window = context.driver.Window();
  if (!window) return "no window of the dialer is open";
  plat::Point actual{window->rect.left, window->rect.top};
  if (actual.x == expected.x && actual.y == expected.y) return {};
  auto spell = [](plat::Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
  return Differs("the window's top left corner", spell(actual), spell(expected));
}

std::string ExpectImage(Arguments& args, Context& context) {
  int id = args.Int("ID");
  int expected = args.Int("BITMAP");
  args.End();
  std::string problem;
  auto control = ControlOf(context, id, problem);
  if (!control) return problem;
  int actual = Desktop::ShownBitmap(*control);
  return actual == expected ? ""
                            : Differs("the image control " + std::to_string(id) + " shows",
                                      std::to_string(actual), std::to_string(expected));
}

}  // namespace

void RegisterChromeCommands(Registry& registry) {
  registry.Add({"press", "X Y | on ID",
                "Presses the left button at a client point of the newest window, or on the middle of a "
                "control, and holds it. A button takes the press and looks pressed; statics, pictures and "
                "disabled controls let it through to the window.",
                "press on 1004", Group::Action, Press});
  registry.Add({"release", "[away]",
                "Lets the left button go: a button still pressed is clicked. With away the pointer first "
                "leaves the pressed spot, so nothing is clicked.",
                "release away", Group::Action, Release});
  registry.Add({"drag", "X Y to X2 Y2",
                "Presses at a client point, moves the pointer by the distance to the second point and lets "
                "go. A caption drag the window starts moves the window along.",
                "drag 20 200 to 70 230", Group::Action, Drag});
  registry.Add({"cursor at", "X Y",
                "Moves the pointer to a client point of the newest window; the window is asked for the "
                "cursor's shape.",
                "cursor at 300 360", Group::Action, CursorAt});
  registry.Add({"hover", "ID",
                "Moves the pointer to the middle of a control's rectangle, shown or hidden; the window is "
                "asked for the cursor's shape.",
                "hover 1031", Group::Action, Hover});
  registry.Add({"expect cursor", "hand | arrow", "The pointer's shape.", "expect cursor hand",
                Group::Expectation, ExpectCursor});
  registry.Add({"expect window at", "X Y", "The newest window's top left corner on the screen.",
                "expect window at 150 130", Group::Expectation, ExpectWindowAt});
  registry.Add({"expect image", "ID BITMAP",
                "The bitmap a bitmap button shows now: pressed, disabled or normal.", "expect image 1004 174",
                Group::Expectation, ExpectImage});
}

}  // namespace sim::scenario
