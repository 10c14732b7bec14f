"use strict";
// The remote control page: shows the sign's LEDs live and drives the program through its
// /api/ requests. The token comes from the address's fragment (#token=...), which the
// browser never sends to the server; every request carries it in its Authorization header.
// Sections: requests and messages; LED panel; live view; status; text; run list; names;
// pictures; start.

const schluessel = new URLSearchParams(location.hash.slice(1)).get("token") || "";
const leinwand = document.getElementById("leds");
const LEDS = 6 * 7 * 7;

let module = [];              // from /api/layout: {present, x, y} per module
let leds = new Uint8Array(LEDS);
let bilder = 0;               // live messages received
let zeichnenAngefragt = false;
let stand = null;             // the latest /api/status

let gesperrt = false;         // the token is wrong or missing: nothing more is sent
const wiederholungen = [];    // interval timers, stopped when the token is refused

function $(id) { return document.getElementById(id); }

// ---- Requests and messages ----

function melden(text, fehler) {
  const m = $("meldung");
  m.textContent = text;
  m.className = fehler ? "fehler" : "";
}

// German sentences for refusals that carry no "meldung" of their own (the server's
// refusals before a request reaches the program).
const FEHLER = {
  400: "Die Anfrage war ungültig.",
  404: "Das gibt es nicht.",
  405: "Diese Anfrage ist so nicht erlaubt.",
  409: "Das geht gerade nicht.",
  413: "Das ist zu groß.",
  415: "Diese Art Datei nimmt Glanzzug nicht.",
  422: "Das ist nicht möglich.",
  503: "Glanzzug ist gerade ausgelastet; bitte gleich noch einmal versuchen.",
};

const WO_DIE_ADRESSE_STEHT =
  "Die richtige Adresse steht im Glanzzug-Fenster unter „Fernsteuerung“ (mit QR-Code zum Scannen), " +
  "im Terminal, in dem Glanzzug gestartet wurde, und beim Dienst im Journal („journalctl -u glanzzug“).";

class Abgelehnt extends Error {
  constructor(status, meldung, code) { super(meldung); this.status = status; this.code = code; }
}

// Stops everything for good: a wrong or missing token does not get better by retrying.
function zugangGesperrt(grund) {
  if (gesperrt) return;
  gesperrt = true;
  for (const w of wiederholungen) clearInterval(w);
  const z = $("zugang");
  z.textContent = grund + " " + WO_DIE_ADRESSE_STEHT;
  z.hidden = false;
  $("verbindung").textContent = "kein Zugang";
  $("verbindung").className = "aus";
  for (const e of document.querySelectorAll("main button, main input, main select")) e.disabled = true;
  melden("", false);
}

async function api(methode, pfad, inhalt, roh) {
  if (gesperrt) throw new Abgelehnt(401, "");
  const kopf = { "Authorization": "Bearer " + schluessel };
  if (inhalt !== undefined && !roh) kopf["Content-Type"] = "application/json";
  let antwort;
  try {
    antwort = await fetch(pfad, {
      method: methode, headers: kopf, cache: "no-store",
      body: inhalt === undefined ? undefined : roh ? inhalt : JSON.stringify(inhalt),
    });
  } catch (e) {
    throw new Abgelehnt(0, "Glanzzug ist nicht erreichbar. Läuft das Programm, und ist das Telefon im selben Netz?");
  }
  const daten = await antwort.json().catch(() => ({}));
  if (antwort.status === 401) {
    zugangGesperrt("Der Zugangsschlüssel in dieser Adresse ist falsch oder veraltet.");
    throw new Abgelehnt(401, "");
  }
  if (!antwort.ok) {
    throw new Abgelehnt(antwort.status,
                        daten.meldung || FEHLER[antwort.status] || "Das hat nicht geklappt (Fehler " + antwort.status + ").",
                        daten.code);
  }
  return daten;
}

// Runs a request; its answer (a status or a run list) is shown, then the success message.
async function handeln(methode, pfad, inhalt, erfolg, roh) {
  try {
    const daten = await api(methode, pfad, inhalt, roh);
    if (daten && daten.display) standZeigen(daten);
    if (daten && Array.isArray(daten.entries)) listeZeigen(daten);
    if (erfolg) melden(erfolg, false);
    standLaden();
    listeLaden();
    return daten;
  } catch (e) {
    if (e.message) melden(e.message, true);
    return null;
  }
}

// ---- The LED panel, drawn as the window's LED panel draws it ----

// The modules' bounding box in LEDs.
function umfang() {
  if (module.length === 0) return { l: 0, o: 0, b: 42, h: 7 };
  let l = Infinity, o = Infinity, r = -Infinity, u = -Infinity;
  for (const m of module) {
    l = Math.min(l, m.x); o = Math.min(o, m.y);
    r = Math.max(r, m.x + 7); u = Math.max(u, m.y + 7);
  }
  return { l, o, b: r - l, h: u - o };
}

function geometrie() {
  const u = umfang();
  const breite = leinwand.width, hoehe = leinwand.height;
  const zelle = Math.max(2, Math.min((breite - 8) / u.b, (hoehe - 8) / u.h));
  return {
    u, zelle,
    x0: 4 + (breite - 8 - zelle * u.b) / 2,
    y0: 4 + (hoehe - 8 - zelle * u.h) / 2,
  };
}

// Centre of LED (module, row, column) in canvas pixels.
function ledMitte(m, r, c) {
  const g = geometrie();
  const mod = module[m] || { x: 7 * m, y: 0 };
  return {
    x: g.x0 + (mod.x - g.u.l + c + 0.5) * g.zelle,
    y: g.y0 + (mod.y - g.u.o + r + 0.5) * g.zelle,
  };
}

function groesseAnpassen() {
  const u = umfang();
  const dpr = window.devicePixelRatio || 1;
  const breite = Math.max(120, Math.round(leinwand.clientWidth * dpr));
  const hoehe = Math.round(Math.min((breite - 8) / u.b * u.h + 8, 0.8 * window.innerHeight * dpr));
  if (leinwand.width !== breite || leinwand.height !== hoehe) {
    leinwand.width = breite;
    leinwand.height = hoehe;
  }
}

function zeichnen() {
  zeichnenAngefragt = false;
  groesseAnpassen();
  const p = leinwand.getContext("2d");
  p.fillStyle = "rgb(12,12,12)";
  p.fillRect(0, 0, leinwand.width, leinwand.height);
  const g = geometrie();
  const d = g.zelle * 0.72;
  for (let m = 0; m < 6; m++) {
    const mod = module[m] || { x: 7 * m, y: 0 };
    const px = g.x0 + (mod.x - g.u.l) * g.zelle, py = g.y0 + (mod.y - g.u.o) * g.zelle;
    p.fillStyle = "rgb(30,30,30)";
    p.fillRect(px + 0.5, py + 0.5, 7 * g.zelle - 1, 7 * g.zelle - 1);
    for (let r = 0; r < 7; r++) {
      for (let c = 0; c < 7; c++) {
        const led = leds[m * 49 + r * 7 + c];
        p.fillStyle = led === 0 ? "rgb(55,55,55)"
          : `rgb(${led & 1 ? 255 : 0},${led & 2 ? 255 : 0},${led & 4 ? 255 : 0})`;
        p.beginPath();
        p.arc(px + (c + 0.5) * g.zelle, py + (r + 0.5) * g.zelle, d / 2, 0, 2 * Math.PI);
        p.fill();
      }
    }
  }
}

function neuZeichnen() {
  if (zeichnenAngefragt) return;
  zeichnenAngefragt = true;
  requestAnimationFrame(zeichnen);
}

// ---- Live view ----

function liveVerbinden() {
  if (gesperrt) return;
  const ws = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host +
                           "/api/live?token=" + encodeURIComponent(schluessel));
  ws.binaryType = "arraybuffer";
  ws.onopen = () => { $("verbindung").textContent = "live"; $("verbindung").className = "an"; };
  ws.onmessage = (e) => {
    if (!(e.data instanceof ArrayBuffer) || e.data.byteLength !== LEDS) return;
    leds = new Uint8Array(e.data);
    bilder++;
    neuZeichnen();
  };
  ws.onclose = async () => {
    if (gesperrt) return;
    $("verbindung").textContent = "getrennt – verbinde neu …";
    $("verbindung").className = "aus";
    // A refused token closes the socket too; the status request tells which it was.
    try { await api("GET", "/api/status"); } catch (e) { if (gesperrt) return; }
    setTimeout(liveVerbinden, 2000);
  };
}

// ---- Status ----

function standZeigen(s) {
  const vorher = stand;
  stand = s;
  $("darstellung").textContent = s.presentation || "–";
  $("laufliste").textContent = s.runList || "–";
  $("laeuft").textContent = s.playing ? "ja" : "nein";
  $("modus").textContent = s.modeName;
  $("durchlauf").textContent = s.pass;
  $("timer").textContent = s.dark ? "aus (dunkel)" : s.timer ? "an" : "aus";
  $("pause").hidden = !s.paused;
  $("pauseText").textContent = s.pauseText || "";
  $("dunkelHinweis").hidden = !s.dark;
  $("dunkel").hidden = !!s.dark;
  $("weiter").hidden = !s.dark;
  for (const li of document.querySelectorAll("#darstellungen li"))
    li.classList.toggle("laeuft", li.dataset.name === s.presentation);
  for (const li of document.querySelectorAll("#lauflisten li"))
    li.classList.toggle("laeuft", s.playing && li.dataset.name === s.runList);
  textStandZeigen(s);
  if (!vorher || vorher.display.width !== s.display.width || vorher.display.height !== s.display.height)
    anordnungLaden();
}

async function standLaden() {
  try {
    standZeigen(await api("GET", "/api/status"));
  } catch (e) {
    if (e.message) melden(e.message, true);
  }
}

async function anordnungLaden() {
  try {
    module = (await api("GET", "/api/layout")).modules;
    neuZeichnen();
  } catch (e) { /* the next status shows what is wrong */ }
}

// ---- Text ----

let textBearbeitet = false; // typed since the box last showed the program's text
let textFuer = "";          // the presentation on show when typing began: "Speichern" goes there

function textStandZeigen(s) {
  const eingabe = $("textEingabe");
  // Typing began for a presentation that is gone from the sign, and the box is left:
  // the box shows what is on show now.
  if (textBearbeitet && s.presentation !== textFuer && document.activeElement !== eingabe) textBearbeitet = false;
  if (!textBearbeitet && document.activeElement !== eingabe && eingabe.value !== s.text) eingabe.value = s.text;
  const ziel = textBearbeitet ? textFuer : s.presentation;
  $("textSpeichern").textContent = "In „" + ziel + "“ speichern";
  if (!gesperrt) {
    $("textSenden").disabled = !s.textMode;
    $("textSpeichern").disabled = !s.textMode && ziel === s.presentation;
  }
  $("textHinweis").textContent = s.textMode
    ? "„Nur jetzt“ gilt, bis die Darstellung wechselt; „In „" + ziel +
      "“ speichern“ schreibt den Text in die Darstellung, auch für die nächste Runde der Lauf-Liste."
    : "„" + s.presentation + "“ zeigt keinen Lauf-Text (Modus „" + s.modeName + "“).";
}

async function textSenden(speichern) {
  const text = $("textEingabe").value;
  const name = textBearbeitet ? textFuer : stand ? stand.presentation : "";
  const inhalt = { text, save: speichern, presentation: name };
  if (text === "") {
    if (!confirm("Der Text ist leer. Soll die Anzeige wirklich ohne Text laufen?")) return;
    inhalt.confirmEmpty = true;
  }
  const ok = await handeln("PUT", "/api/text", inhalt,
                           speichern ? "Text in „" + name + "“ gespeichert."
                                     : "Lauf-Text gilt jetzt – bis die Darstellung wechselt.");
  if (ok) textBearbeitet = false;
}

// ---- Run list ----

let liste = null; // the latest /api/runlist

function eintragsKnopf(text, titel, tun) {
  const k = document.createElement("button");
  k.type = "button";
  k.textContent = text;
  k.title = titel;
  k.setAttribute("aria-label", titel);
  k.addEventListener("click", tun);
  return k;
}

function listeZeigen(l) {
  const gleich = liste && JSON.stringify(liste) === JSON.stringify(l);
  liste = l;
  if (gleich) return;
  $("listeTitel").textContent = "Lauf-Liste „" + l.name + "“" + (l.paused ? " – pausiert" : "");
  const ol = $("eintraege");
  ol.replaceChildren();
  l.entries.forEach((name, i) => {
    const li = document.createElement("li");
    li.dataset.name = name;
    li.classList.toggle("laeuft", i === l.selected);
    if (i === l.selected) li.setAttribute("aria-current", "true");
    const span = document.createElement("span");
    span.textContent = name || "(leer)";
    const knoepfe = document.createElement("div");
    knoepfe.className = "knoepfe";
    knoepfe.append(
      eintragsKnopf("ab hier abspielen", "„" + name + "“ und danach die Lauf-Liste abspielen",
                    () => handeln("POST", "/api/runlist/play", { index: i }, "Lauf-Liste läuft ab „" + name + "“.")),
      eintragsKnopf("▲", "nach oben", () => handeln("POST", "/api/runlist/move", { index: i, to: i - 1 }, "")),
      eintragsKnopf("▼", "nach unten", () => handeln("POST", "/api/runlist/move", { index: i, to: i + 1 }, "")),
      eintragsKnopf("Entfernen", "„" + name + "“ aus der Lauf-Liste entfernen",
                    () => handeln("POST", "/api/runlist/remove", { index: i },
                                  "„" + name + "“ entfernt – „Lauf-Liste speichern“ behält es.")));
    knoepfe.children[1].disabled = i === 0;
    knoepfe.children[2].disabled = i === l.entries.length - 1;
    li.append(span, knoepfe);
    ol.append(li);
  });
  if (l.total > l.entries.length) {
    const li = document.createElement("li");
    li.textContent = "… und " + (l.total - l.entries.length) + " weitere";
    ol.append(li);
  }
}

async function listeLaden() {
  try {
    listeZeigen(await api("GET", "/api/runlist"));
  } catch (e) { /* the status shows what is wrong */ }
}

// ---- Names of presentations and run lists ----

function auswahlFuellen(id, namen) {
  const sel = $(id);
  const alt = sel.value;
  sel.replaceChildren(...namen.map((n) => new Option(n, n)));
  if (namen.includes(alt)) sel.value = alt;
}

// Fills the list with one entry per name and the button `knopf(name)` makes; false (and
// nothing changed) when it already shows these names.
function namenEintragen(ul, namen, knopf) {
  const alt = [...ul.children].map((li) => li.dataset.name);
  if (alt.length === namen.length && alt.every((n, i) => n === namen[i])) return false;
  ul.replaceChildren();
  for (const name of namen) {
    const li = document.createElement("li");
    li.dataset.name = name;
    const span = document.createElement("span");
    span.textContent = name;
    li.append(span, knopf(name));
    ul.append(li);
  }
  return true;
}

function namenZeigen(ul, namen, schluesselName, wort) {
  const neu = namenEintragen(ul, namen, (name) =>
    eintragsKnopf("Abspielen", wort + " „" + name + "“ abspielen",
                  () => handeln("POST", "/api/play", { [schluesselName]: name }, wort + " „" + name + "“ gewählt.")));
  if (neu && stand) standZeigen(stand);
}

async function namenLaden() {
  try {
    const darstellungen = await api("GET", "/api/presentations");
    namenZeigen($("darstellungen"), darstellungen, "presentation", "Darstellung");
    auswahlFuellen("einfuegenName", darstellungen);
    auswahlFuellen("bildDarstellung", darstellungen);
    namenZeigen($("lauflisten"), await api("GET", "/api/runlists"), "runList", "Lauf-Liste");
    bilderZeigen(await api("GET", "/api/pictures"));
  } catch (e) {
    if (e.message) melden(e.message, true);
  }
}

// ---- Pictures ----

const ENDUNGEN = { "image/jpeg": ".jpg", "image/png": ".png", "image/bmp": ".bmp", "image/gif": ".gif" };

function bilderZeigen(namen) {
  namenEintragen($("bilderListe"), namen, (name) =>
    eintragsKnopf("Hinzufügen", "„" + name + "“ der gewählten Darstellung hinzufügen", () => {
      const d = $("bildDarstellung").value;
      handeln("POST", "/api/picturelist", { presentation: d, picture: name },
              "„" + name + "“ in die Bilder-Liste von „" + d + "“ aufgenommen und gespeichert.");
    }));
}

// A name the folder can keep: the file's own name without odd characters, with the
// extension of its type.
function bildName(datei) {
  const endung = ENDUNGEN[datei.type] || "";
  const stamm = datei.name.replace(/\.[^.]*$/, "").normalize("NFC")
    .replace(/[^A-Za-z0-9ÄÖÜäöüß _-]/g, "_").replace(/^[ ._]+/, "").slice(0, 60) || "Bild";
  return stamm + endung;
}

async function hochladen() {
  const datei = $("bildDatei").files[0];
  if (!datei) { melden("Bitte zuerst ein Bild wählen.", true); return; }
  if (datei.size > 8 * 1024 * 1024) { melden("Das Bild ist größer als 8 MB.", true); return; }
  const name = bildName(datei);
  const ok = await handeln("PUT", "/api/pictures/" + encodeURIComponent(name), datei,
                           "„" + name + "“ liegt jetzt im Ordner.", true);
  if (ok) {
    bilderZeigen(ok);
    $("bildDatei").value = "";
    $("bildGewaehlt").textContent = "kein Bild gewählt";
  }
}

// ---- Start ----

$("timerAn").addEventListener("click", () => handeln("POST", "/api/timer", { on: true }, "Timer an."));
$("timerAus").addEventListener("click", () => handeln("POST", "/api/timer", { on: false }, "Timer aus."));
$("dunkel").addEventListener("click", () => handeln("POST", "/api/dark", { on: true }, "Die Anzeige ist dunkel."));
$("weiter").addEventListener("click", () => handeln("POST", "/api/dark", { on: false }, "Die Anzeige läuft weiter."));
$("fortsetzen").addEventListener("click", () =>
  handeln("POST", "/api/runlist/continue", {}, "Die Lauf-Liste läuft weiter."));
$("textEingabe").addEventListener("input", () => {
  if (!textBearbeitet && stand) textFuer = stand.presentation;
  textBearbeitet = true;
});
$("textFormular").addEventListener("submit", (e) => { e.preventDefault(); textSenden(false); });
$("textSpeichern").addEventListener("click", () => textSenden(true));
$("einfuegen").addEventListener("click", () => {
  const name = $("einfuegenName").value;
  handeln("POST", "/api/runlist/insert", { index: liste ? liste.total : 0, presentation: name },
          "„" + name + "“ angehängt – „Lauf-Liste speichern“ behält es.");
});
$("listeSpeichern").addEventListener("click", () =>
  handeln("POST", "/api/runlist/save", {}, "Lauf-Liste gespeichert."));
$("hochladen").addEventListener("click", hochladen);
$("bildDatei").addEventListener("change", () => {
  const d = $("bildDatei").files[0];
  $("bildGewaehlt").textContent = d ? d.name : "kein Bild gewählt";
});
window.addEventListener("resize", neuZeichnen);

// For tests and tools: where an LED sits on the canvas, and how many frames came.
window.glanzzug = { ledMitte, get bilder() { return bilder; } };

if (!schluessel) {
  zugangGesperrt("Diese Adresse enthält keinen Zugangsschlüssel (#token=…).");
} else {
  zeichnen();
  anordnungLaden();
  namenLaden();
  standLaden();
  listeLaden();
  liveVerbinden();
  wiederholungen.push(setInterval(standLaden, 1000), setInterval(listeLaden, 2000), setInterval(namenLaden, 10000));
}
