// A control's element, built from its description (toolkit/web/FormPage.h): one builder
// for each kind, each wiring the element's events to the program.
(function (Z) {
  "use strict";

  // The page's own text colour (body's style): a control in another sets its own.
  var PAGE_COLOR = "#000000";

  function clicks(f, c, e) {
    e.addEventListener("click", function () { Z.call("web_click", ["number", "number"], [f.desc.id, c.i]); });
  }

  function image(f, c) {
    var e = Z.el("canvas", "zimage");
    e.setAttribute("role", "img");
    e.setAttribute("aria-label", "Диаграмма");
    if (c.readable) Z.bindPicture(f, c, e);
    Z.bindMenu(f, e);
    return e;
  }

  function label(f, c) {
    var e = Z.el("span", c.link ? "zlabel zlink" : "zlabel");
    e.textContent = c.text;
    if (c.link) e.setAttribute("role", "link");
    clicks(f, c, e);
    return e;
  }

  function edit(f, c) {
    var e = Z.el("input", "zedit");
    e.type = "text";
    e.value = c.text;
    e.spellcheck = false;
    e.setAttribute("autocomplete", "off");
    e.setAttribute("inputmode", "decimal");
    e.addEventListener("input", function () {
      Z.call("web_text", ["number", "number", "string"], [f.desc.id, c.i, e.value]);
    });
    return e;
  }

  function button(f, c) {
    var e = Z.el("button", "zbutton");
    e.type = "button";
    e.textContent = c.text;
    clicks(f, c, e);
    return e;
  }

  function group(f, c) {
    var e = Z.el("fieldset", "zgroup");
    var legend = Z.el("legend");
    legend.textContent = c.text;
    e.appendChild(legend);
    return e;
  }

  // A radio button or a check box: the input, then its caption, inside one label.
  function choice(f, c) {
    var radio = c.kind === "radio";
    var e = Z.el("label", radio ? "zradio" : "zcheck");
    var input = Z.el("input");
    input.type = radio ? "radio" : "checkbox";
    if (radio) input.name = "f" + f.desc.id + "g" + c.parent;
    input.checked = c.checked;
    var span = Z.el("span");
    span.textContent = c.text;
    e.appendChild(input);
    e.appendChild(span);
    input.addEventListener("change", function () {
      if (radio && !input.checked) return;
      Z.call("web_check", ["number", "number", "number"], [f.desc.id, c.i, input.checked ? 1 : 0]);
    });
    e.input = input;
    return e;
  }

  // A list of rows and a value with a slider have modules of their own (RowList.js,
  // SliderValue.js), which run before the page builds its first form.
  var builders = { image: image, label: label, edit: edit, button: button, group: group,
                   radio: choice, check: choice,
                   rowlist: function (f, c) { return Z.rowList(f, c); },
                   slider: function (f, c) { return Z.slider(f, c); } };

  function makeControl(f, c) {
    var e = builders[c.kind](f, c);
    if (c.color !== PAGE_COLOR) e.style.color = c.color;
    // The control's own name, by which tests and assistive scripts find it.
    e.dataset.name = c.name;
    return e;
  }

  // The element that takes the focus for a control, if any.
  function focusable(e) {
    if (!e) return null;
    if (e.input) return e.input;
    if (e.tagName === "INPUT" || e.tagName === "BUTTON" || e.tagName === "CANVAS") return e;
    return null;
  }

  Z.makeControl = makeControl;
  Z.focusable = focusable;
})(ZPage);
