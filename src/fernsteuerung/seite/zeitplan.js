"use strict";
// The weekly schedule on the page: this week as seven columns of coloured bands with the
// current time marked, and the rules as a form (days, from, to, dates, run list or
// "dunkel"), saved with PUT /api/schedule. Uses the page's token like seite.js.
(() => {
  const schluessel = new URLSearchParams(location.hash.slice(1)).get("token") || "";
  const $ = (id) => document.getElementById(id);
  let version = "";
  let kommentare = [];
  let lauflisten = [];
  let bearbeitet = false; // the form holds changes not yet saved: do not reload over them

  async function anfrage(methode, inhalt) {
    const antwort = await fetch("/api/schedule", {
      method: methode, cache: "no-store",
      headers: Object.assign({ "Authorization": "Bearer " + schluessel },
                             inhalt ? { "Content-Type": "application/json" } : {}),
      body: inhalt ? JSON.stringify(inhalt) : undefined,
    });
    const daten = await antwort.json().catch(() => ({}));
    if (!antwort.ok) {
      const fehler = new Error(daten.meldung || daten.error || "Fehler " + antwort.status);
      fehler.zeile = daten.zeile || 0;
      throw fehler;
    }
    return daten;
  }

  function melden(text, fehler) {
    const m = $("zeitplanMeldung");
    m.textContent = text;
    m.className = fehler ? "fehler" : "";
  }

  // A steady colour per run list; dark is black, the owner's own list grey.
  function farbe(ziel) {
    if (ziel === "dunkel") return "#000";
    if (!ziel) return "#3a3f45";
    let h = 0;
    for (const c of ziel) h = (h * 31 + c.codePointAt(0)) % 360;
    return "hsl(" + h + " 55% 38%)";
  }

  function wocheZeigen(d) {
    const w = $("woche");
    w.replaceChildren();
    d.week.forEach((tag, i) => {
      const spalte = document.createElement("div");
      spalte.className = "tag";
      const kopf = document.createElement("div");
      kopf.className = "tagkopf" + (i + 1 === d.today ? " heute" : "");
      kopf.textContent = tag.day;
      const flaeche = document.createElement("div");
      flaeche.className = "tagflaeche";
      for (const b of tag.bands) {
        const band = document.createElement("div");
        band.className = "band" + (b.target === "dunkel" ? " dunkel" : "");
        band.style.top = (b.from / 14.4) + "%";
        band.style.height = ((b.to - b.from) / 14.4) + "%";
        band.style.background = farbe(b.target);
        band.title = (b.target || "eigene Lauf-Liste") + " " + zeit(b.from) + "–" + zeit(b.to);
        if (b.to - b.from >= 90) band.textContent = b.target || "eigene";
        flaeche.append(band);
      }
      if (i + 1 === d.today) {
        const jetzt = document.createElement("div");
        jetzt.className = "jetzt";
        jetzt.style.top = (d.minute / 14.4) + "%";
        flaeche.append(jetzt);
      }
      spalte.append(kopf, flaeche);
      w.append(spalte);
    });
    $("zeitplanJetzt").textContent = d.status.text || "";
  }

  function zeit(m) { return String(Math.floor(m / 60)).padStart(2, "0") + ":" + String(m % 60).padStart(2, "0"); }

  function feld(art, wert, name, breite) {
    const e = document.createElement("input");
    e.type = art;
    e.value = wert;
    e.setAttribute("aria-label", name);
    e.className = breite;
    if (breite === "uhr") { e.placeholder = "HH:MM"; e.inputMode = "numeric"; e.maxLength = 5; }
    e.addEventListener("input", () => { bearbeitet = true; });
    return e;
  }

  function regelZeile(r) {
    const li = document.createElement("li");
    li.className = "regel";
    const ziel = document.createElement("select");
    ziel.setAttribute("aria-label", "Lauf-Liste oder dunkel");
    for (const n of ["dunkel", ...lauflisten, ...(r.target && r.target !== "dunkel" &&
                                                  !lauflisten.includes(r.target) ? [r.target] : [])]) {
      const o = document.createElement("option");
      o.value = o.textContent = n;
      ziel.append(o);
    }
    ziel.value = r.target || "dunkel";
    ziel.addEventListener("change", () => { bearbeitet = true; });
    const knopf = (text, name, tun) => {
      const k = document.createElement("button");
      k.type = "button";
      k.textContent = text;
      k.setAttribute("aria-label", name);
      k.addEventListener("click", () => { bearbeitet = true; tun(); });
      return k;
    };
    const knoepfe = document.createElement("span");
    knoepfe.className = "knoepfe";
    knoepfe.append(
      knopf("↑", "nach oben", () => li.previousElementSibling && li.parentNode.insertBefore(li, li.previousElementSibling)),
      knopf("↓", "nach unten", () => li.nextElementSibling && li.parentNode.insertBefore(li.nextElementSibling, li)),
      knopf("✕", "entfernen", () => li.remove()));
    li.append(feld("text", r.daysText || "", "Tage", "tage"),
              feld("text", r.from || "", "von", "uhr"), feld("text", r.to || "", "bis", "uhr"),
              feld("text", r.dates || "", "Daten", "daten"), ziel, knoepfe);
    return li;
  }

  function regelnZeigen(d) {
    lauflisten = d.runLists;
    kommentare = [];
    const falsch = new Map(d.errors.map((e) => [e.zeile, e.meldung]));
    const liste = $("regeln");
    liste.replaceChildren();
    let n = 0;
    d.lines.forEach((zeile, i) => {
      const t = zeile.trim();
      if (falsch.has(i + 1)) liste.append(regelZeile({ daysText: t }));
      else if (t === "" || t.startsWith(";")) kommentare.push(zeile);
      else liste.append(regelZeile(d.rules[n++]));
    });
    if (d.errors.length) melden("Zeile " + d.errors[0].zeile + ": " + d.errors[0].meldung, true);
  }

  function zeilen() {
    return kommentare.concat([...$("regeln").children].map((li) => {
      const [tage, von, bis, daten] = [...li.querySelectorAll("input")].map((e) => e.value.trim());
      const ziel = li.querySelector("select").value;
      return [daten, tage, von || bis ? von + "-" + bis : "", ziel].filter((s) => s).join(" ");
    }));
  }

  async function laden(auchRegeln) {
    try {
      const d = await anfrage("GET");
      wocheZeigen(d);
      if (auchRegeln || !bearbeitet) {
        version = d.version;
        regelnZeigen(d);
      }
    } catch (e) {
      melden(e.message, true);
    }
  }

  $("regelNeu").addEventListener("click", () => {
    bearbeitet = true;
    $("regeln").append(regelZeile({ daysText: "Mo-Fr", from: "08:00", to: "18:00", target: "dunkel" }));
  });
  $("zeitplanSpeichern").addEventListener("click", async () => {
    try {
      const d = await anfrage("PUT", { lines: zeilen(), version });
      bearbeitet = false;
      version = d.version;
      wocheZeigen(d);
      regelnZeigen(d);
      melden("Zeitplan gespeichert.", false);
    } catch (e) {
      const regel = e.zeile - kommentare.length;
      melden(regel > 0 ? e.message.replace("Zeile " + e.zeile, "Regel " + regel) : e.message, true);
    }
  });

  window.glanzzugZeitplan = { zeilen, laden };
  if (schluessel) {
    laden(true);
    setInterval(() => laden(false), 30000);
  }
})();
