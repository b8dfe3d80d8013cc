// A list of rows in the page (toolkit/RowList.h): a listbox of rows under a row of headings,
// the columns sharing its width by their shares (TRowList::ColumnShares). The pointer and the keys are handed to the program
// (web_select, web_list_key), which moves the selection by the toolkit's rule, as every
// binding does; the page shows what the program sends back (showRowList).
(function (Z) {
  "use strict";

  function rowList(f, c) {
    var id = f.desc.id;
    var e = document.createElement("div");
    e.className = "zrowlist";
    e.setAttribute("role", "listbox");
    e.setAttribute("aria-label", c.columns.join(", "));
    e.style.cssText = "z-index:1;background:#fff;border:1px solid #7a7a7a;overflow:hidden;";
    // The page shows and hides the control through its display: the columns are laid out inside.
    var frame = document.createElement("div");
    frame.style.cssText = "display:flex;flex-direction:column;height:100%;";
    e.appendChild(frame);
    var grid = "display:grid;grid-template-columns:" +
      c.shares.map(function (s) { return "minmax(0," + s + "fr)"; }).join(" ") + ";";
    var head = document.createElement("div");
    head.setAttribute("aria-hidden", "true");
    head.style.cssText = grid + "background:#f0f0f0;border-bottom:1px solid #d5d5d5;";
    c.columns.forEach(function (text) {
      var cell = document.createElement("span");
      cell.textContent = text;
      cell.style.cssText = "padding:2px 6px;white-space:nowrap;overflow:hidden;";
      head.appendChild(cell);
    });
    var body = document.createElement("div");
    body.style.cssText = "flex:1;overflow-y:auto;";
    frame.appendChild(head);
    frame.appendChild(body);
    e.zBody = body;
    e.zGrid = grid;
    e.zShown = { rows: null, item: null };
    // The element that takes the focus for the control (Controls.js, focusable).
    e.input = e;

    body.addEventListener("click", function (ev) {
      var row = ev.target.closest(".zrow");
      e.focus({ preventScroll: true });
      Z.call("web_select", ["number", "number", "number"], [id, c.i, row ? row.zIndex : -1]);
    });
    Z.bindListWheel(f, c, e);
    e.addEventListener("keydown", function (ev) {
      if (ev.ctrlKey || ev.altKey || ev.metaKey || ev.shiftKey) return;
      var key = ["ArrowUp", "ArrowDown", "PageUp", "PageDown", "Home", "End"].indexOf(ev.key);
      if (key < 0) return;
      // Used up here: neither the page's scrolling nor the form's own arrows take it.
      ev.preventDefault();
      var first = body.firstChild;
      var shown = first ? Math.floor(body.clientHeight / first.offsetHeight) : 1;
      Z.call("web_list_key", ["number", "number", "number", "number"], [id, c.i, key, Math.max(1, shown - 1)]);
    });
    return e;
  }

  // The rows and the selected one as the program holds them: {rows: [[cell…]…], item}. Every
  // row has an id of its own, the listbox's active descendant while it is selected.
  function showRowList(e, state) {
    var rows = JSON.stringify(state.rows);
    if (e.zShown.rows !== rows && sameShape(e.zBody, state.rows)) {
      // Only the texts changed (a value tuned, every node after it moving): written into
      // the rows in place, so that a drag neither rebuilds the list nor scrolls it.
      state.rows.forEach(function (cells, k) {
        var row = e.zBody.children[k];
        cells.forEach(function (text, j) {
          if (row.children[j].textContent !== text) row.children[j].textContent = text;
        });
      });
      e.zShown.rows = rows;
    }
    if (e.zShown.rows !== rows) {
      e.zShown = { rows: rows, item: null };
      var body = e.zBody;
      body.textContent = "";
      state.rows.forEach(function (cells, k) {
        var row = document.createElement("div");
        row.className = "zrow";
        row.setAttribute("role", "option");
        row.setAttribute("aria-selected", "false");
        row.id = "zrow" + (++showRowList.rows);
        row.zIndex = k;
        row.style.cssText = e.zGrid + "cursor:default;";
        cells.forEach(function (text) {
          var cell = document.createElement("span");
          cell.textContent = text;
          cell.style.cssText = "padding:1px 6px;white-space:nowrap;overflow:hidden;";
          row.appendChild(cell);
        });
        body.appendChild(row);
      });
    }
    // The selection again only where it moved or the rows were made anew: a drag changes
    // the texts on every pointer move and the selection never.
    if (state.item === e.zShown.item) return;
    Array.prototype.forEach.call(e.zBody.children, function (row, k) {
      var selected = k === state.item;
      row.setAttribute("aria-selected", selected ? "true" : "false");
      row.style.background = selected ? "#0078d7" : "";
      row.style.color = selected ? "#fff" : "";
    });
    var chosen = state.item >= 0 ? e.zBody.children[state.item] : null;
    if (chosen) {
      e.setAttribute("aria-activedescendant", chosen.id);
      chosen.scrollIntoView({ block: "nearest" });
    } else {
      e.removeAttribute("aria-activedescendant");
    }
    e.zShown.item = state.item;
  }
  showRowList.rows = 0;

  // Whether the list shows as many rows as `rows`, each with as many cells.
  function sameShape(body, rows) {
    return body.children.length === rows.length && rows.every(function (cells, k) {
      return body.children[k].children.length === cells.length;
    });
  }

  Z.rowList = rowList;
  Z.showRowList = showRowList;
})(ZPage);
