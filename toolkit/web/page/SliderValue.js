// A value with a slider in the page (toolkit/SliderValue.h): a range input with an output
// beside it, the slider two thirds of the control's box, the text the rest. A drag is
// handed to the program as it goes (web_slide), the keys too (web_slider_key), which moves
// the position by the toolkit's rule, as every binding does; the page shows what the
// program sends back (showSlider).
(function (Z) {
  "use strict";

  function slider(f, c) {
    var id = f.desc.id;
    var e = document.createElement("div");
    e.className = "zslider";
    e.style.cssText = "z-index:1;";
    // The page shows and hides the control through its display: the two are laid out inside.
    var frame = document.createElement("div");
    frame.style.cssText = "display:flex;align-items:center;gap:4px;height:100%;";
    e.appendChild(frame);
    var input = document.createElement("input");
    input.type = "range";
    input.style.cssText = "flex:2;min-width:0;margin:0;";
    var output = document.createElement("output");
    output.style.cssText = "flex:1;min-width:0;white-space:nowrap;overflow:hidden;";
    frame.appendChild(input);
    frame.appendChild(output);
    // The element that takes the focus for the control (Controls.js, focusable).
    e.input = input;
    e.zOutput = output;

    input.addEventListener("input", function () {
      Z.call("web_slide", ["number", "number", "number"], [id, c.i, Number(input.value)]);
    });
    var keys = ["ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", "PageUp", "PageDown", "Home",
                "End"];
    input.addEventListener("keydown", function (ev) {
      if (ev.ctrlKey || ev.altKey || ev.metaKey) return;
      var key = keys.indexOf(ev.key);
      if (key < 0) return;
      // Used up here: the browser's own steps differ from the desktop's.
      ev.preventDefault();
      Z.call("web_slider_key", ["number", "number", "number"], [id, c.i, key]);
    });
    return e;
  }

  // The range, the position and the text beside it as the program holds them.
  function showSlider(e, text, state) {
    // Each only where it changed: a drag moves the position on every pointer move, and a
    // range or text written again unchanged still costs the page a restyle.
    var input = e.input, valueText = text || String(state.pos);
    if (input.min !== String(state.min)) input.min = state.min;
    if (input.max !== String(state.max)) input.max = state.max;
    if (input.step !== "1") input.step = 1;
    if (Number(input.value) !== state.pos) input.value = state.pos;
    if (e.zOutput.textContent !== text) e.zOutput.textContent = text;
    if (input.getAttribute("aria-valuetext") !== valueText)
      input.setAttribute("aria-valuetext", valueText);
  }

  Z.slider = slider;
  Z.showSlider = showSlider;
})(ZPage);
