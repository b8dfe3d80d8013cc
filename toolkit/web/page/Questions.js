// The program's questions, answered later: a file to open (Files.js) or an item chosen from
// a list or typed; the answer, or none for a cancel, goes back to the program
// (WebHost.h tells how the command that asked runs again with it).
(function (Z) {
  "use strict";

  // The list shows this many rows at least and at most; more scroll.
  var LIST_ROWS_MIN = 2, LIST_ROWS_MAX = 10;

  function answer(text) {
    Z.call("web_answer", ["number", "string"], [text === null ? 0 : 1, text || ""]);
  }

  function choiceList(q, field) {
    var list = Z.el("select", "zlist");
    list.size = Math.min(LIST_ROWS_MAX, Math.max(LIST_ROWS_MIN, q.items.length));
    q.items.forEach(function (item, k) {
      var o = Z.el("option");
      o.textContent = item;
      o.selected = k === q.selected;
      list.appendChild(o);
    });
    list.addEventListener("change", function () { field.value = list.value; });
    return list;
  }

  function askChoice(q) {
    var d = Z.dialog(q.title);
    d.classList.add("zchoice");
    Z.message(d, q.prompt, "label");
    var field = Z.el("input", "zedit");
    field.type = "text";
    field.value = q.items[q.selected] || "";
    var list = choiceList(q, field);
    d.appendChild(field);
    d.appendChild(list);
    var given = false;
    var ok = function () { given = true; d.close(); answer(field.value); };
    list.addEventListener("dblclick", ok);
    field.addEventListener("keydown", function (ev) { if (ev.key === "Enter") ok(); });
    Z.buttons(d, [["OK", ok], ["Отмена", function () { d.close(); }]]);
    d.addEventListener("close", function () { if (!given) answer(null); });
    d.showModal();
    field.focus();
    field.select();
  }

  function ask(q) {
    if (q.kind === "open") Z.askFile(q);
    else askChoice(q);
  }

  Z.answer = answer;
  Z.ask = ask;
})(ZPage);
