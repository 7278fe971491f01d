#include "Juego.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorbel {

namespace {

constexpr double kAnchoTablero = 3000;
constexpr double kMargenReloj = 800;
constexpr int kFichasPorFila = 13;

Color ColorDeTexto(const std::string& decimal) {
  return Color(std::stoul(decimal));
}

}  // namespace

Juego::Juego(Plataforma& plataforma, std::filesystem::path rutaAjustes)
    : plataforma_(plataforma), rutaAjustes_(std::move(rutaAjustes)) {
  // The colour pieces take the colours of the small window's first thirteen cells.
  for (int k = 1; k <= 13; ++k) {
    ColoresFicha[static_cast<std::size_t>(k)] = std::to_string(form3.Label1[k - 1].fondo.value());
    ColoresTexto[static_cast<std::size_t>(k)] = std::to_string(form3.Label1[k - 1].texto.value());
  }
}

bool Juego::FilaEnJuego() const {
  return !Ganada && FilaActual >= 1 && FilaActual <= ajustes.Intentos();
}

// ---------------------------------------------------------------------------------------------
// Start-up, new game, shut-down

void Juego::Form_Load() {
  if (!archivo_ajustes::Cargar(rutaAjustes_, ajustes)) {
    GuardarAjustes();
  }
  plataforma_.Sembrar();
  form1.AlFrente(form1.Label5);
  NumCasillas = ajustes.Casillas();
  PrepararFichas();
  ConstruirTablero();  // also puts the cursor on cell 1
  ModoSimbolos = true;
  form1.AlFrente(form1.Label6);
  plataforma_.MostrarModal(Ventana::AcercaDe);
}

void Juego::MnuNew_Click() {
  if (RelojEnMarcha && plataforma_.Mensaje(textos::kNuevaPartida, Icono::Pregunta,
                                           Botones::OkCancelar) == Respuesta::Cancelar) {
    return;
  }
  PrepararFichas();
  ConstruirTablero();
  form1.Label6.caption = "0";
}

void Juego::Form_Unload() {
  form3.visible = false;
}

void Juego::CursorAPrimeraCasilla() {
  Elemento& cursor = form1.Shape2;
  const Elemento& celda = form1.Label2[1];
  cursor.left = celda.left;
  cursor.top = celda.top;
  cursor.width = celda.width;
  cursor.height = celda.height;
  form1.AlFrente(cursor);
  cursor.visible = true;
  CasillaActual = 1;
}

// ---------------------------------------------------------------------------------------------
// Game set-up

void Juego::PrepararFichas() {
  const bool letras = ajustes.Jugar() == JugarCon::Letras;
  const bool numeros = ajustes.Jugar() == JugarCon::Numeros;
  const bool conColores = ajustes.Colores();
  NumFichas = ajustes.Fichas();

  // Every position is uniform over the pieces; without repeats a drawn piece already in the
  // row is drawn again.
  Solucion.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  for (int p = 1; p <= NumCasillas; ++p) {
    int x;
    do {
      x = static_cast<int>(std::floor(plataforma_.Aleatorio() * NumFichas)) + 1;
      x = std::clamp(x, 1, NumFichas);
    } while (!ajustes.Repetidos() &&
             std::find(Solucion.begin() + 1, Solucion.begin() + p, x) != Solucion.begin() + p);
    Solucion[static_cast<std::size_t>(p)] = x;
  }

  Matriz& paleta = form1.Label4;
  paleta.DescargarTodo();
  form1.Label5.height = NumFichas <= kFichasPorFila ? 600 : 960;
  int c = 0;
  int r = 0;
  for (int i = 1; i <= NumFichas; ++i) {
    form1.Cargar(paleta);
    Elemento& ficha = paleta[i];
    ficha.left = c * paleta[0].width + paleta[0].left;
    ficha.top = r * paleta[0].height + paleta[0].top;
    if (++c == kFichasPorFila) {
      c = 0;
      ++r;
    }
    if (conColores) {
      ficha.fondo = ColorDeTexto(ColoresFicha[static_cast<std::size_t>(i)]);
      ficha.texto = ColorDeTexto(ColoresTexto[static_cast<std::size_t>(i)]);
    }
    if (numeros) {
      ficha.caption = std::to_string(i - 1);
    } else if (letras) {
      ficha.caption = std::string(1, static_cast<char>(64 + i));
    }
    form1.AlFrente(ficha);
    ficha.visible = true;
  }

  form1.Label2[0].top = form1.Label5.height + 120;
  form1.Label3[0].top = form1.Label2[0].top - form1.Label3[0].height;
  form1.Shape1.left = paleta[1].left;
  form1.Shape1.top = paleta[1].top;
  form1.AlFrente(form1.Shape1);

  for (Matriz* m :
       {&form1.Shape3, &form1.Shape4, &form1.Label2, &form1.Label3, &form1.Image1, &form1.Image2}) {
    m->DescargarTodo();
  }
}

void Juego::ConstruirTablero() {
  form1.Timer1Interval = 0;
  const double w = kAnchoTablero / NumCasillas;
  const int n = ajustes.Intentos() * NumCasillas;
  Matriz& celdas = form1.Label2;
  int c = 1;
  int r = 0;
  for (int i = 1; i <= n; ++i) {
    form1.Cargar(celdas);
    Elemento& celda = celdas[i];
    celda.tag = textos::kVacia;
    celda.width = w;
    if (i > 1 && ++c == NumCasillas + 1) {
      c = 1;
      ++r;
    }
    celda.left = (c - 1) * w + celdas[0].left;
    celda.top = celdas[0].height * r + celdas[0].top;
    form1.AlFrente(celda);
    celda.visible = true;
  }

  const double h = celdas[0].height + celdas[n].top + kMargenReloj;
  form1.alto = h;
  form1.Label6.top = h - (form1.Label6.height + kMargenReloj);
  form1.Label6.left = Form1::kAnchoExterior - (form1.Label6.width + 250);
  form1.top = (9000 - h) / 2;
  form1.Label1.height = h + form1.top - 20;

  FilaActual = 1;
  Tablero.assign(static_cast<std::size_t>(NumCasillas) + 1, 0);
  CursorAPrimeraCasilla();
  // A won game leaves "OK" enabled; a new board's first row is empty and cannot be sent.
  form1.Command1Enabled = false;
  RelojEnMarcha = false;
  Ganada = false;
  form3.visible = false;
}

// ---------------------------------------------------------------------------------------------
// Placing pieces

void Juego::Label2_MouseDown(int k, int boton) {
  if (!form1.Label2.Existe(k) || Fila(k) != FilaActual || !FilaEnJuego()) {
    return;
  }
  Elemento& cursor = form1.Shape2;
  const Elemento& celda = form1.Label2[k];
  const bool marcada = cursor.left == celda.left && cursor.top == celda.top;
  const Color modo = boton == kBotonIzquierdo ? colores::kNegro : colores::kRojoClaro;
  if (marcada && cursor.borde == modo) {
    // A second press in the same mode takes the cursor away.
    cursor.visible = false;
    cursor.left = 10;
    return;
  }
  cursor.width = form1.Label2[1].width;
  cursor.left = celda.left;
  cursor.top = celda.top;
  form1.AlFrente(cursor);
  cursor.visible = true;
  CasillaActual = k;
  if (boton == kBotonIzquierdo) {
    cursor.borde = colores::kNegro;
  } else if (FilaActual != ajustes.Intentos()) {
    cursor.borde = colores::kRojoClaro;  // the last row cannot be fixed
  }
}

void Juego::Label4_MouseDown(int p, int boton) {
  if (!form1.Label4.Existe(p)) {
    return;
  }
  if (boton != kBotonIzquierdo) {
    FichaActual = p;
    plataforma_.MostrarMenuQuitar();
    return;
  }
  if (!form1.Shape2.visible || !FilaEnJuego()) {
    return;
  }
  const Elemento& ficha = form1.Label4[p];
  Elemento& celda = form1.Label2[CasillaActual];
  celda.caption = ficha.caption;
  celda.fondo = ficha.fondo;
  celda.texto = ficha.texto;
  Tablero[static_cast<std::size_t>(CasillaActual - (FilaActual - 1) * NumCasillas)] = p;
  if (form1.Shape2.borde == colores::kRojoClaro) {
    if (!PasoFijar(p, CasillaActual)) {
      return;
    }
  } else {
    celda.tag = textos::kVacia;  // a piece placed without fixing is not fixed
  }
  if (!RelojEnMarcha) {
    RelojEnMarcha = true;
    HoraInicio = plataforma_.Segundos();
    form1.Timer1Interval = 100;
  }
  AvanzarCursor();
}

void Juego::Label4_MouseMove(int p) {
  if (p == FichaBajoRaton_ || !form1.Label4.Existe(p)) {
    return;
  }
  Elemento& marco = form1.Shape1;
  marco.visible = true;
  marco.left = form1.Label4[p].left;
  marco.top = form1.Label4[p].top;
  form1.AlFrente(marco);
  FichaBajoRaton_ = p;
}

bool Juego::FilaCompleta() const {
  return std::all_of(Tablero.begin() + 1, Tablero.end(), [](int v) { return v != 0; });
}

void Juego::CursorEn(int celda) {
  Elemento& cursor = form1.Shape2;
  cursor.left = form1.Label2[celda].left;
  cursor.top = form1.Label2[celda].top;
  form1.AlFrente(cursor);
  cursor.visible = true;
  CasillaActual = celda;
}

// After a change to the current row: a full row can be sent, otherwise the cursor goes to
// its lowest free position, ready to place.
void Juego::AvanzarCursor() {
  auto libre = std::find(Tablero.begin() + 1, Tablero.end(), 0);
  if (libre == Tablero.end()) {
    form1.Command1Enabled = true;
    form1.Shape2.visible = false;
    return;
  }
  const int posicion = static_cast<int>(libre - Tablero.begin());
  CursorEn((FilaActual - 1) * NumCasillas + posicion);
  form1.Shape2.borde = colores::kNegro;
}

// ---------------------------------------------------------------------------------------------
// Sending a row, scoring, the clock

void Juego::Command1_Click() {
  if (!RelojEnMarcha || !FilaEnJuego()) {
    return;
  }
  ++FilaActual;
  int l = (FilaActual - 1) * NumCasillas;

  if (!ajustes.Repetidos()) {
    std::array<int, 27> cuenta{};
    bool repetida = false;
    for (int i = 1; i <= NumCasillas; ++i) {
      const int pieza = Tablero[static_cast<std::size_t>(i)];
      if (pieza >= 1 && pieza <= 26 && ++cuenta[static_cast<std::size_t>(pieza)] > 1) {
        repetida = true;
      }
    }
    if (repetida) {
      plataforma_.Mensaje(textos::kRepetidas, Icono::Informacion, Botones::Ok);
      form1.Command1Enabled = false;
      CursorEn(l - NumCasillas + 1);
      --FilaActual;
      return;
    }
  }

  Puntuar();
  if (!RelojEnMarcha) {
    return;  // won
  }
  if (ajustes.Intentos() == FilaActual - 1) {
    MostrarSolucion(textos::kFallaste, colores::kGrisClaro);
    RelojEnMarcha = false;
    return;
  }

  const double top = form1.Label2[l].top;
  const int t = form1.Cargar(form1.Label3);
  Elemento& texto = form1.Label3[t];
  texto.top = top;
  texto.left = 3300;
  texto.caption =
      "  " + std::to_string(Muertos) + " muerto/s.   " + std::to_string(Tocados) + " tocado/s.";
  texto.visible = !ModoSimbolos;
  form1.AlFrente(texto);

  double x = 3300;
  auto marcar = [&](Matriz& marcas, int cuantas, double bajada) {
    for (int i = 0; i < cuantas; ++i) {
      Elemento& marca = marcas[form1.Cargar(marcas)];
      marca.top = top + bajada;
      marca.left = x;
      form1.AlFrente(marca);
      marca.visible = ModoSimbolos;
      x += 250;
    }
  };
  marcar(form1.Shape3, Muertos, 0);
  marcar(form1.Shape4, Tocados, 60);

  std::fill(Tablero.begin() + 1, Tablero.end(), 0);

  // Pieces fixed in earlier rows already stand in the new one.
  l = (FilaActual - 1) * NumCasillas;
  int primeraLibre = 0;
  for (int k = l + NumCasillas; k > l; --k) {
    const Elemento& celda = form1.Label2[k];
    if (celda.fondo == colores::kCasillaVacia) {
      primeraLibre = k;
      continue;
    }
    int pieza = 0;
    for (int j = 1; j < form1.Label4.Count(); ++j) {
      if (Identica(form1.Label4[j], celda)) {
        pieza = j;
      }
    }
    Tablero[static_cast<std::size_t>(k - l)] = pieza;
  }

  form1.Command1Enabled = false;
  if (primeraLibre == 0) {
    // Every position of the new row is already filled: it opens ready to send.
    form1.Command1Enabled = true;
    form1.Shape2.visible = false;
    return;
  }
  CursorEn(primeraLibre);
}

void Juego::Puntuar() {
  const auto n = static_cast<std::size_t>(NumCasillas);
  int marcador = 100;  // never a piece number, so a matched entry never matches again
  std::vector<int> copia(Solucion);
  Muertos = 0;
  Tocados = 0;
  for (std::size_t j = 1; j <= n; ++j) {
    if (Tablero[j] == copia[j]) {
      ++Muertos;
      Tablero[j] = marcador++;
      copia[j] = marcador++;
    }
  }
  if (Muertos == NumCasillas) {
    RelojEnMarcha = false;
    Ganada = true;
    plataforma_.Mensaje(form3.visible ? textos::kViendoSolucion : textos::kFelicidades,
                        Icono::Informacion, Botones::Ok);
    return;
  }
  for (std::size_t j = 1; j <= n; ++j) {
    for (std::size_t k = 1; k <= n; ++k) {
      if (copia[j] == Tablero[k]) {
        Tablero[k] = marcador++;
        copia[j] = marcador++;
        ++Tocados;
        break;
      }
    }
  }
}

void Juego::MostrarSolucion(const std::string& caption, Color fondo) {
  Matriz& celdas = form3.Label1;
  const Elemento& ancla = celdas[0];
  for (int i = 0; i <= 12; ++i) {
    celdas[i].visible = i < NumCasillas;
  }
  for (int i = 0; i < NumCasillas; ++i) {
    const Elemento& ficha = form1.Label4[Solucion[static_cast<std::size_t>(i) + 1]];
    Elemento& celda = celdas[i];
    celda.caption = ficha.caption;
    celda.fondo = ficha.fondo;
    celda.texto = ficha.texto;
    if (i > 0) {
      celda.width = ancla.width;
      celda.height = ancla.width;
      celda.left = i * ancla.width + ancla.left;
      celda.top = ancla.top;
    }
  }
  form3.caption = caption;
  form3.alto = 960;
  form3.ancho = std::max((NumCasillas + 1) * ancla.width, 3435.0);
  form3.fondo = fondo;
  form3.visible = true;
}

void Juego::Timer1_Timer() {
  const double transcurrido = plataforma_.Segundos() - HoraInicio;
  form1.Label6.caption = std::to_string(static_cast<long long>(std::floor(transcurrido)));
  if (!RelojEnMarcha) {
    form1.Timer1Interval = 0;
    form1.Label6.caption = "0";
  }
}

// ---------------------------------------------------------------------------------------------
// Player aids

void Juego::MnuSoluc_Click() {
  if (form3.visible) {
    plataforma_.TraerAlFrente(Ventana::Selector);
    return;
  }
  if (plataforma_.Mensaje(textos::kVerSolucion, Icono::Pregunta, Botones::OkCancelar) ==
      Respuesta::Cancelar) {
    return;
  }
  MostrarSolucion(textos::kSolucion, colores::kNegro);
}

bool Juego::PasoFijar(int p, int celda) {
  const int ultima = ajustes.Intentos() * NumCasillas;
  const int o = ultima - NumCasillas;
  int fijas = 0;
  for (int k = o + 1; k <= ultima; ++k) {
    fijas += form1.Label2[k].fondo != colores::kCasillaVacia;
  }
  if (fijas == NumCasillas - 1) {
    plataforma_.Mensaje(textos::kFijarTodas, Icono::Exclamacion, Botones::Ok);
    form1.Shape2.borde = colores::kNegro;
    form1.Shape2.visible = false;
    // "OK" only sends a complete row.
    form1.Command1Enabled = FilaCompleta();
    return false;
  }

  const Elemento& ficha = form1.Label4[p];
  for (int k = celda + NumCasillas; k <= ultima; k += NumCasillas) {
    Elemento& copia = form1.Label2[k];
    copia.fondo = ficha.fondo;
    copia.caption = ficha.caption;
    copia.texto = ficha.texto;
  }
  for (int k = 1; k <= ultima; ++k) {
    Elemento& c = form1.Label2[k];
    if (Identica(c, ficha)) {
      c.tag = textos::kLlena;
      CentrarMarca(form1.Image2, c);
    }
  }
  return true;
}

void Juego::CentrarMarca(Matriz& marcas, const Elemento& celda) {
  Elemento& marca = marcas[form1.Cargar(marcas)];
  marca.left = celda.left + celda.width / 2 - marcas[0].width / 2;
  marca.top = celda.top + celda.height / 2 - marcas[0].height / 2;
  marca.visible = true;
  form1.AlFrente(marca);
}

void Juego::MnuNoFijar_Click() {
  if (!form1.Label4.Existe(FichaActual)) {
    return;
  }
  const Elemento& ficha = form1.Label4[FichaActual];
  for (int k = 1; k < form1.Label2.Count(); ++k) {
    Elemento& celda = form1.Label2[k];
    if (!Identica(celda, ficha)) {
      continue;
    }
    // The piece stays where the player has put it, but it is no longer fixed anywhere.
    celda.tag = textos::kVacia;
    if (k >= NumCasillas * FilaActual + 1) {
      celda.fondo = colores::kCasillaVacia;
      celda.caption.clear();
    }
    form1.AlFrente(celda);
  }
  form1.AlFrente(form1.Shape2);
}

void Juego::MnuDescart_Click() {
  Matriz& paleta = form1.Label4;
  if (!paleta.Existe(FichaActual)) {
    return;
  }
  int visibles = 0;
  for (int j = 1; j < paleta.Count(); ++j) {
    visibles += paleta[j].visible;
  }
  if (visibles <= NumCasillas) {
    plataforma_.Mensaje(textos::kNoMasDesechos, Icono::Exclamacion, Botones::Ok);
    return;
  }
  Elemento& ficha = paleta[FichaActual];
  for (int k = 1; k < form1.Label2.Count(); ++k) {
    if (Identica(form1.Label2[k], ficha) && form1.Label2[k].tag == textos::kLlena) {
      plataforma_.Mensaje(textos::kFijada, Icono::Exclamacion, Botones::Ok);
      return;
    }
  }

  if (FilaEnJuego()) {
    const int b = (FilaActual - 1) * NumCasillas;
    for (int p = 1; p <= NumCasillas; ++p) {
      Elemento& celda = form1.Label2[b + p];
      if (Identica(celda, ficha)) {
        celda.caption.clear();
        celda.fondo = colores::kCasillaVacia;
        Tablero[static_cast<std::size_t>(p)] = 0;
        form1.Command1Enabled = false;
      }
    }
    AvanzarCursor();
  }

  ficha.visible = false;
  form1.Shape1.visible = false;
  // Later pieces close the gap, each taking the place of the previous visible one.
  double x = ficha.left;
  double y = ficha.top;
  for (int j = FichaActual + 1; j < paleta.Count(); ++j) {
    if (paleta[j].visible) {
      std::swap(x, paleta[j].left);
      std::swap(y, paleta[j].top);
    }
  }
  for (int k = 1; k < form1.Label2.Count(); ++k) {
    if (Identica(form1.Label2[k], ficha)) {
      CentrarMarca(form1.Image1, form1.Label2[k]);
    }
  }
}

void Juego::MnuRecupera_Click() {
  if (!RelojEnMarcha) {
    return;
  }
  form3.visible = false;
  Matriz& celdas = form3.Label1;
  for (int i = 0; i < celdas.Count(); ++i) {
    celdas[i].visible = false;
  }
  const Elemento& ancla = celdas[0];
  int n = 0;
  for (int j = 1; j < form1.Label4.Count(); ++j) {
    const Elemento& ficha = form1.Label4[j];
    if (ficha.visible) {
      continue;
    }
    Elemento& celda = celdas[n];
    celda.fondo = ficha.fondo;
    celda.caption = ficha.caption;
    celda.texto = ficha.texto;
    celda.visible = true;
    if (n > 0) {
      celda.width = ancla.width;
      celda.height = ancla.width;
      celda.left = n * ancla.width + ancla.left;
      celda.top = ancla.top;
    }
    ++n;
  }
  form3.caption = textos::kRecuperar;
  form3.alto = 960;
  form3.ancho = std::max((n + 1) * ancla.width, 3435.0);
  form3.fondo = colores::kBlanco;
  if (n == 0) {
    plataforma_.Mensaje(textos::kNadaQueRecuperar, Icono::Exclamacion, Botones::Ok);
    return;
  }
  form3.visible = true;
  plataforma_.MostrarModal(Ventana::Selector);
}

void Juego::Form3_Label1_Click(int i) {
  if (form3.caption != textos::kRecuperar || i < 0 || i >= form3.Label1.Count() || !form3.visible) {
    return;
  }
  const Elemento& elegida = form3.Label1[i];
  Matriz& paleta = form1.Label4;
  for (int k = 1; k < paleta.Count(); ++k) {
    if (Identica(paleta[k], elegida)) {
      paleta[k].visible = true;
    }
  }
  double left = paleta[0].left;
  double top = paleta[0].top;
  int c = 1;
  for (int k = 1; k < paleta.Count(); ++k) {
    if (!paleta[k].visible) {
      continue;
    }
    paleta[k].left = left;
    paleta[k].top = top;
    left += paleta[1].width;
    if (++c == kFichasPorFila + 1) {
      top += paleta[0].height;
      left = paleta[0].left;
    }
  }
  form1.AlFrente(form1.Shape1);
  for (int k = 1; k < form1.Label2.Count(); ++k) {
    if (Identica(form1.Label2[k], elegida)) {
      form1.AlFrente(form1.Label2[k]);
    }
  }
  form3.visible = false;
}

void Juego::Form3_Cerrar() {
  form3.visible = false;
}

// ---------------------------------------------------------------------------------------------
// Appearance

void Juego::MnuCambiar_Click() {
  if (ajustes.Jugar() == JugarCon::Vacio) {
    plataforma_.Mensaje(textos::kSinTexto, Icono::Exclamacion, Botones::Ok);
    return;
  }
  const bool colorear = !ajustes.Colores();
  if (colorear && NumFichas > 13) {
    plataforma_.Mensaje(textos::kPocosColores, Icono::Exclamacion, Botones::Ok);
    return;
  }
  Matriz& paleta = form1.Label4;
  for (int p = 1; p < paleta.Count(); ++p) {
    const auto i = static_cast<std::size_t>(p);
    paleta[p].fondo = colorear ? ColorDeTexto(ColoresFicha[i]) : colores::kGrisClaro;
    paleta[p].texto = colorear ? ColorDeTexto(ColoresTexto[i]) : colores::kNegro;
  }
  // Cells follow the piece with the same caption; free cells have none and stay as they are.
  for (int k = 1; k < form1.Label2.Count(); ++k) {
    Elemento& celda = form1.Label2[k];
    for (int p = 1; p < paleta.Count(); ++p) {
      if (celda.caption == paleta[p].caption) {
        celda.fondo = paleta[p].fondo;
        celda.texto = paleta[p].texto;
      }
    }
  }
  ajustes.SeleccionarColores(colorear ? 0 : 1);
  form3.visible = false;
}

void Juego::MnuSimbol_Click() {
  MostrarResultados(true);
}

void Juego::MnuTexto_Click() {
  MostrarResultados(false);
}

// Scores of every scored row as marks (circles and rectangles) or as text.
void Juego::MostrarResultados(bool simbolos) {
  for (int i = 1; i < form1.Label3.Count(); ++i) {
    form1.Label3[i].visible = !simbolos;
  }
  for (Matriz* marcas : {&form1.Shape3, &form1.Shape4}) {
    for (int i = 1; i < marcas->Count(); ++i) {
      (*marcas)[i].visible = simbolos;
    }
  }
  form1.MnuSimbolEnabled = !simbolos;
  form1.MnuTextoEnabled = simbolos;
  ModoSimbolos = simbolos;
}

// ---------------------------------------------------------------------------------------------
// Options dialog

void Juego::MnuOpcion_Click() {
  int puestas = 0;
  for (int k = 1; k <= NumCasillas && k < form1.Label2.Count(); ++k) {
    puestas += form1.Label2[k].fondo != colores::kCasillaVacia;
  }
  if (puestas != 0 && plataforma_.Mensaje(textos::kReiniciar, Icono::Pregunta,
                                          Botones::OkCancelar) == Respuesta::Cancelar) {
    return;
  }
  ajustesAlAbrir_ = ajustes;
  form2Visible = true;
  plataforma_.MostrarModal(Ventana::Opciones);
}

void Juego::Form2_Activate() {
  RelojEnMarcha = false;
  form1.Timer1Interval = 0;
  form1.Label6.caption = "0";
}

void Juego::Form2_Command1_Click() {
  GuardarAjustes();
  NumCasillas = ajustes.Casillas();
  form2Visible = false;
  PrepararFichas();
  ConstruirTablero();
}

void Juego::Form2_Cerrar() {
  ajustes = ajustesAlAbrir_;
  form2Visible = false;
}

void Juego::GuardarAjustes() {
  archivo_ajustes::Guardar(rutaAjustes_, ajustes);
}

// ---------------------------------------------------------------------------------------------
// Help

void Juego::MnuHelp_Click() {
  const std::filesystem::path documento =
      std::filesystem::path(plataforma_.DirectorioPrograma()) / textos::kInstrucciones;
  std::error_code error;
  if (std::filesystem::is_regular_file(documento, error)) {
    plataforma_.Abrir(documento.string());
  }
}

void Juego::MnuInfo_Click() {
  plataforma_.MostrarModal(Ventana::AcercaDe);
}

}  // namespace quorbel
