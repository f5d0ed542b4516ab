Caligari V00.01ALH             
PolH V0.06 Id 40001 Parent 0 Size 00002344
Name Crate
center 1.5 -0.5 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
0 -1 0 1.5
1 0 0 -0.5
0 0 1 0.5
0 0 0 1
World Vertices 26
-0.500000 -0.500000 -0.500000
-0.500000 -0.500000 0.000000
-0.500000 -0.500000 0.500000
-0.500000 0.000000 -0.500000
-0.500000 0.000000 0.000000
-0.500000 0.000000 0.500000
-0.500000 0.500000 -0.500000
-0.500000 0.500000 0.000000
-0.500000 0.500000 0.500000
0.000000 -0.500000 -0.500000
0.000000 -0.500000 0.000000
0.000000 -0.500000 0.500000
0.000000 0.000000 -0.500000
0.000000 0.000000 0.500000
0.000000 0.500000 -0.500000
0.000000 0.500000 0.000000
0.000000 0.500000 0.500000
0.500000 -0.500000 -0.500000
0.500000 -0.500000 0.000000
0.500000 -0.500000 0.500000
0.500000 0.000000 -0.500000
0.500000 0.000000 0.000000
0.500000 0.000000 0.500000
0.500000 0.500000 -0.500000
0.500000 0.500000 0.000000
0.500000 0.500000 0.500000
Texture Vertices 6
0.000000 0.000000
1.000000 0.000000
1.000000 1.000000
0.000000 1.000000
0.500000 0.000000
0.500000 1.000000
Faces 24
Face verts 4 flags 0 mat 1
<0,0> <3,3> <4,2> <1,1> 
Face verts 4 flags 0 mat 1
<3,0> <6,3> <7,2> <4,1> 
Face verts 4 flags 0 mat 1
<1,0> <4,3> <5,2> <2,1> 
Face verts 4 flags 0 mat 1
<4,0> <7,3> <8,2> <5,1> 
Face verts 4 flags 0 mat 1
<17,0> <18,3> <21,2> <20,1> 
Face verts 4 flags 0 mat 1
<18,0> <19,3> <22,2> <21,1> 
Face verts 4 flags 0 mat 1
<20,0> <21,3> <24,2> <23,1> 
Face verts 4 flags 0 mat 1
<21,0> <22,3> <25,2> <24,1> 
Face verts 4 flags 0 mat 1
<0,0> <1,3> <10,2> <9,1> 
Face verts 4 flags 0 mat 1
<1,0> <2,3> <11,2> <10,1> 
Face verts 4 flags 0 mat 1
<9,0> <10,3> <18,2> <17,1> 
Face verts 4 flags 0 mat 1
<10,0> <11,3> <19,2> <18,1> 
Face verts 4 flags 0 mat 1
<6,0> <14,3> <15,2> <7,1> 
Face verts 4 flags 0 mat 1
<14,0> <23,3> <24,2> <15,1> 
Face verts 4 flags 0 mat 1
<7,0> <15,3> <16,2> <8,1> 
Face verts 4 flags 0 mat 1
<15,0> <24,3> <25,2> <16,1> 
Face verts 4 flags 0 mat 2
<0,0> <9,3> <12,2> <3,1> 
Face verts 4 flags 0 mat 2
<9,0> <17,3> <20,2> <12,1> 
Face verts 4 flags 0 mat 2
<3,0> <12,3> <14,2> <6,1> 
Face verts 4 flags 0 mat 2
<12,0> <20,3> <23,2> <14,1> 
Face verts 4 flags 0 mat 0
<2,0> <5,3> <13,2> <11,1> 
Face verts 4 flags 0 mat 0
<5,0> <8,3> <16,2> <13,1> 
Face verts 4 flags 0 mat 0
<11,0> <13,3> <22,2> <19,1> 
Face verts 4 flags 0 mat 0
<13,0> <16,3> <25,2> <22,1> 
DrawFlags 0
Radiosity Quality: 0
Unit V0.01 Id 40002 Parent 40001 Size 00000008
Units 2
Mat1 V0.06 Id 40003 Parent 40001 Size 00000148
mat# 0
shader: phong  facet: auto40
rgb 0.8,0.7,0.55
alpha 1  ka 0.1  ks 0.5  exp 0  ior 1
texture: crate_planks.bmp
offset 0,0 repeats 2,2 flags 0
PrTx V0.01 Id 40004 Parent 40001 Size 00000312
mat# 1
shader: phong  facet: auto40
rgb 0.76,0.6,0.42
alpha 1  ka 0.1  ks 0.3  exp 0  ior 1
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 40005 Parent 40001 Size 00000375
mat# 2
shader: phong  facet: auto40
rgb 0.5,0.5,0.5
alpha 1  ka 0.1  ks 0.3  exp 0  ior 1
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
END  V1.00 Id 0 Parent 0 Size        0